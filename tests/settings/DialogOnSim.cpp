#include "DialogOnSim.h"

#include "conversion/ConversionTables.h"
#include "devicelink/FoundDevices.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>

void DialogOnSim::TearDown()
{
    if (store.link)
        store.link->SetFollowUps(nullptr);
    dialog.reset();
    qunsetenv("SCLERON_SERIAL_PORTS");
}

bool DialogOnSim::Connect(const QStringList& simArgs)
{
    QString error;
    if (!sim.Start(simArgs, &error)) {
        ADD_FAILURE() << error.toStdString();
        return false;
    }
    BuildConversionTables(store);
    store.link = MakeLayerPtr(new CDeviceLink(store));
    qputenv("SCLERON_SERIAL_PORTS", sim.SlavePath().toLocal8Bit());
    CDeviceLink& link = *store.link;
    link.ScanPorts();
    if (store.foundDevices.GetSize() != 1 || link.OpenPort(store.foundPorts[0]) != LinkResult::Ok) {
        ADD_FAILURE() << "the tester was not found or its port did not open";
        return false;
    }
    // A shorter wait for the bytes a first-generation tester's shorter replies leave out.
    link.Stream().SetTimeouts(250, 100);
    AdoptFoundDevice(store, 0);
    link.jobs = CDeviceLink::jobsConnect;
    if (!RunJobs())
        return false;
    dialog = std::make_unique<CSettings>(store, nullptr, [this](bool confirmed) { confirmed ? ++lockRedraws : ++lockRefusals; });
    followUps.dialog = dialog.get();
    link.SetFollowUps(&followUps);
    return true;
}

bool DialogOnSim::RunJobs()
{
    for (int run = 0; run < 5 && store.link->jobs != 0; ++run)
        store.link->RunJobs();
    if (store.link->jobs != 0)
        ADD_FAILURE() << "jobs left pending: " << std::hex << store.link->jobs;
    return store.link->jobs == 0;
}

bool DialogOnSim::OpenAndRead()
{
    if (!dialog->Create()) {
        ADD_FAILURE() << "the dialog was open already";
        return false;
    }
    if (store.link->jobs != CDeviceLink::jobsSettingsDialog) {
        ADD_FAILURE() << "the dialog asked for jobs " << std::hex << store.link->jobs;
        return false;
    }
    return RunJobs();
}

void DialogOnSim::Choose(int id, int position)
{
    QComboBox* list = List(id);
    ASSERT_TRUE(list);
    ASSERT_LT(position, list->count());
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void DialogOnSim::Click(int id)
{
    auto* button = qobject_cast<QAbstractButton*>(dialog->Control(id));
    ASSERT_TRUE(button);
    button->click();
}

void DialogOnSim::Type(int id, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(dialog->Control(id));
    ASSERT_TRUE(edit);
    edit->setText(text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &leave);
}

QString DialogOnSim::Text(int id)
{
    QWidget* control = dialog->Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    ADD_FAILURE() << "control " << id << " shows no text";
    return {};
}

QStringList DialogOnSim::Lines(int id)
{
    QStringList lines;
    QComboBox* list = List(id);
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->itemText(i);
    return lines;
}

QComboBox* DialogOnSim::List(int id)
{
    return qobject_cast<QComboBox*>(dialog->Control(id));
}

bool DialogOnSim::Enabled(int id)
{
    return dialog->Control(id)->isEnabled();
}

QString DialogOnSim::Sim(const QString& command)
{
    const SimReply reply = sim.Command(command);
    EXPECT_TRUE(reply.ok) << command.toStdString() << ": " << reply.text.toStdString();
    return reply.text;
}
