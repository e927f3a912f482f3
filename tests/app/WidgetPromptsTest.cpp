#include "app/WidgetPrompts.h"

#include "common/TempDir.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs answer on the next modal window of type T once it shows (looking for up to 60 s: a file
// dialog can take seconds to appear on a loaded machine, and a dialog nobody answers hangs the test).
template <class T>
void WhenShown(std::function<void(T*)> answer, int triesLeft = 6000)
{
    QTimer::singleShot(10, [answer, triesLeft] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()))
            answer(modal);
        else if (triesLeft > 0)
            WhenShown<T>(answer, triesLeft - 1);
    });
}

TEST(WidgetPrompts, MessageBoxButtonsIconAndAnswers)
{
    struct Case {
        PromptButtons buttons;
        PromptIcon icon;
        QMessageBox::StandardButton click; // NoButton: the box is closed with Escape
        PromptAnswer want;
        QMessageBox::Icon wantIcon;
        QMessageBox::StandardButtons wantButtons;
    } cases[] = {
        {PromptButtons::YesNoCancel, PromptIcon::Warning, QMessageBox::Yes, PromptAnswer::Yes, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {PromptButtons::YesNoCancel, PromptIcon::Warning, QMessageBox::No, PromptAnswer::No, QMessageBox::Warning,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {PromptButtons::YesNoCancel, PromptIcon::Warning, QMessageBox::NoButton, PromptAnswer::Cancel,
            QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel},
        {PromptButtons::YesNo, PromptIcon::Question, QMessageBox::NoButton, PromptAnswer::No, QMessageBox::Question,
            QMessageBox::Yes | QMessageBox::No},
        {PromptButtons::Ok, PromptIcon::Error, QMessageBox::Ok, PromptAnswer::Ok, QMessageBox::Critical,
            QMessageBox::Ok},
        {PromptButtons::OkCancel, PromptIcon::Information, QMessageBox::Cancel, PromptAnswer::Cancel,
            QMessageBox::Information, QMessageBox::Ok | QMessageBox::Cancel},
    };
    CWidgetPrompts prompts;
    for (const Case& c : cases) {
        QString text;
        QString title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            buttons = box->standardButtons();
            if (c.click == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(c.click)->click();
        });
        EXPECT_EQ(prompts.Message(QStringLiteral("Question?\nReally?"), c.buttons, c.icon), c.want);
        EXPECT_EQ(text, QStringLiteral("Question?\nReally?"));
        EXPECT_EQ(title, QStringLiteral("Scleron"));
        EXPECT_EQ(icon, c.wantIcon);
        EXPECT_EQ(buttons, c.wantButtons);
    }
}

TEST(WidgetPrompts, SaveDialogFilterDefaultExtensionAndOverwrite)
{
    QTemporaryDir dir;
    WriteWholeFile(dir.filePath(QStringLiteral("kept.hkp")), "x");
    FileDialogRequest request;
    request.filter = QStringLiteral("Halvex Kestrel (*.hkp)|*.hkp|Text (*.txt)|*.txt|All Files (*.*)|*.*||");
    request.initialName = QStringLiteral("*.hkp");
    request.defaultExtension = QStringLiteral("hkp");
    request.save = true;

    QStringList filters;
    QString suffix;
    bool confirms = false;
    bool saveForm = false;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        saveForm = dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->selectFile(dir.filePath(QStringLiteral("new")));
        static_cast<QDialog*>(dialog)->accept();
    });
    CWidgetPrompts prompts;
    EXPECT_EQ(prompts.FileName(request), dir.filePath(QStringLiteral("new.hkp")));
    EXPECT_EQ(filters, (QStringList{"Halvex Kestrel (*.hkp)", "Text (*.txt)", "All Files (*.*)"}));
    EXPECT_EQ(suffix, QStringLiteral("hkp"));
    EXPECT_TRUE(confirms);
    EXPECT_TRUE(saveForm);

    // Choosing an existing file asks first; answering No keeps the dialog open, and cancelling
    // it gives no name.
    bool askedToReplace = false;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        WhenShown<QMessageBox>([&, dialog](QMessageBox* box) {
            askedToReplace = true;
            box->button(QMessageBox::No)->click();
            QTimer::singleShot(0, dialog, &QFileDialog::reject);
        });
        // Typed, as a user would: selecting an existing file waits for the dialog's background
        // listing of the folder, and a dialog accepted before that sees only the folder.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(dir.filePath(QStringLiteral("kept.hkp")));
        QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
    });
    EXPECT_EQ(prompts.FileName(request), QString());
    EXPECT_TRUE(askedToReplace);
    EXPECT_EQ(ReadWholeFile(dir.filePath(QStringLiteral("kept.hkp"))), QByteArray("x"));
}

} // namespace
