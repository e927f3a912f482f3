#include "AppTestEnvironment.h"

#include "app/ChildView.h"
#include "app/CommandIds.h"
#include "app/ControlIds.h"
#include "app/LockKeys.h"
#include "app/MainFrame.h"
#include "common/ScriptedPrompts.h"
#include "common/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// "text=id" for an item, "-" for a separator, "text>" followed by the popup's lines indented;
// what the menu does not show (the empty list of recent files) is left out.
void Describe(const QMenu* menu, const QString& indent, QStringList& out)
{
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            out << indent + QStringLiteral("-");
        } else if (action->menu()) {
            out << indent + action->text() + QStringLiteral(">");
            Describe(action->menu(), indent + QStringLiteral("  "), out);
        } else {
            out << indent + action->text() + QStringLiteral("=") + QString::number(action->data().toInt());
        }
    }
}

QStringList DescribeMenuBar(const QMenuBar* bar)
{
    QStringList out;
    for (QAction* top : bar->actions()) {
        out << top->text() + QStringLiteral(">");
        Describe(top->menu(), QStringLiteral("  "), out);
    }
    return out;
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override { SetTestRegistry({}); }
    ScriptedPrompts prompts;
};

TEST_F(MainFrameTest, MenuBarHasEveryPopupItemAndSeparatorInOrder)
{
    CMainFrame frame;
    const QStringList want = {
        "&File>", "  &Save=32733", "  &Open=32734", "  &Export=32701", "  Export as &CSV...=32741",
        "  Export s&tatistics as CSV...=32742", "  &Print=32702", "  &Report…=33160", "  &Archive…=33162", "  -", "  E&xit=57665",
        "&Device>", "  &Connect device=32703", "  Device &settings=32704", "  Clear device &memory=58456",
        "  &DoDovavez=32730",
        "&Edit>",
        "  E&xpand>", "    &All=33000", "    &Selected=33001",
        "  &Collapse>", "    &All=33003", "    &Selected=33004",
        "  C&opy (Ctrl+C)>", "    &All=33006", "    &Selected=33007",
        "  &Show>", "    &All=33009", "    &Selected=33011",
        "  &Hide>", "    &All=33012", "    &Selected=33013",
        "  &Delete (DEL)>", "    &All=33015", "    &Selected=33016",
        "&View>", "  Series &chart=33170",
        "&Settings>",
        "  &Language>", "    &English=32705", "    &Deutsch=32706", "    &Français=32707", "    &Italiano=32708",
        "    E&spañol=32709", "    &Português=32710", "    &Русский=32711", "    中文 (&C)=32713",
        "  &Conversion standard>", "    &default=58464", "    &Custom J=58465",
        "  &Tolerance limits…=33161", "  &Archive…=33163",
        "&Help>", "  &Check for updates...=58466", "  -", "  &Help Scleron=57670", "  -",
        "  Product &Registration=2100", "  Customer &Feedback=2101", "  -", "  &About Scleron...=57664",
    };
    EXPECT_EQ(DescribeMenuBar(frame.menuBar()), want);
}

TEST_F(MainFrameTest, OnlyCommandsThatExistAreEnabled)
{
    // Without an application object nobody handles "About"; a frame alone has "Connect device",
    // "Open", "Help", the firmware upgrade, the conversion standards and "Tolerance limits" (always
    // enabled), "Exit", "Check for updates" and the two web links; the commands on measurements
    // wait for a series, those on the tester for an open port.
    CMainFrame frame;
    frame.UpdateCommandUI();
    QStringList enabled;
    for (QAction* action : frame.Actions().All())
        if (action->isEnabled())
            enabled << QString::number(action->data().toInt());
    enabled.sort();
    EXPECT_EQ(enabled, (QStringList{"2100", "2101", "32703", "32730", "32734", "33161", "33170", "57665", "57670", "58464",
                           "58465", "58466"}));
    EXPECT_FALSE(frame.RunCommand(Cmd::Save));
    EXPECT_FALSE(frame.RunCommand(Cmd::About));
}

TEST_F(MainFrameTest, ToolBarButtonsInOrderWithImagesTooltipsAndPrompts)
{
    CMainFrame frame;
    QToolBar* bar = frame.ToolBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(ControlId(bar), CtrlId::ToolBar);
    EXPECT_EQ(bar->iconSize(), QSize(32, 32));
    QList<int> ids;
    for (QAction* action : bar->actions()) {
        ids << (action->isSeparator() ? 0 : action->data().toInt());
        if (action->isSeparator())
            continue;
        const QPixmap image = action->icon().pixmap(32, 32);
        EXPECT_EQ(image.size(), QSize(32, 32)) << action->data().toInt();
        EXPECT_FALSE(action->toolTip().isEmpty()) << action->data().toInt();
        EXPECT_FALSE(action->statusTip().isEmpty()) << action->data().toInt();
        // Without a tester or measurements only the commands that need neither are enabled.
        const int id = action->data().toInt();
        EXPECT_EQ(action->isEnabled(), id == Cmd::ConnectDevice || id == Cmd::Open || id == Cmd::FirmwareUpgrade
            || id == Cmd::Help) << id;
    }
    EXPECT_EQ(ids, (QList<int>{32703, 32704, 58456, 32730, 0, 32733, 32734, 0, 58452, 32701, 32702, 0, 57670}));
    QAction* connect = frame.Actions().Find(Cmd::ConnectDevice);
    EXPECT_EQ(connect->toolTip(), QStringLiteral("Connect device"));
    EXPECT_EQ(connect->statusTip(), QStringLiteral("Connect device"));
    // The toolbar and the menu share one action per command.
    EXPECT_TRUE(frame.menuBar()->findChildren<QMenu*>(QStringLiteral("device")).first()->actions().contains(connect));
}

TEST_F(MainFrameTest, StatusBarHasTextPaneAndLockIndicators)
{
    CMainFrame frame;
    EXPECT_EQ(ControlId(frame.statusBar()), CtrlId::StatusBar);
    auto* caps = frame.statusBar()->findChild<QLabel*>(QStringLiteral("indicatorCaps"));
    auto* num = frame.statusBar()->findChild<QLabel*>(QStringLiteral("indicatorNum"));
    ASSERT_TRUE(caps && num);
    // The view's creation put "Offline" there before the status bar existed.
    EXPECT_EQ(frame.StatusText(), QStringLiteral("Offline"));
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Offline"));

    struct Case {
        bool capsOn, numOn;
        const char* caps;
        const char* num;
    } cases[] = {{true, false, "CAP", ""}, {false, true, "", "NUM"}, {true, true, "CAP", "NUM"}, {false, false, "", ""}};
    for (const Case& c : cases) {
        frame.SetLockKeySource([&c](LockKey key) { return key == LockKey::Caps ? c.capsOn : c.numOn; });
        EXPECT_EQ(caps->text(), QLatin1String(c.caps));
        EXPECT_EQ(num->text(), QLatin1String(c.num));
    }
    EXPECT_GE(caps->minimumWidth(), caps->fontMetrics().horizontalAdvance(QStringLiteral("CAP")));
}

TEST_F(MainFrameTest, StatusTextReturnsAfterMenuAndToolbarPrompts)
{
    CMainFrame frame;
    frame.show();
    frame.SetStatusText(QStringLiteral("Online"));

    // The pointer on a menu item: its prompt shows, the status text stays stored.
    QAction* save = frame.Actions().Find(Cmd::Save);
    save->showStatusText(frame.menuBar());
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Save measurements"));
    EXPECT_EQ(frame.StatusText(), QStringLiteral("Online"));
    // The menu closes (an empty prompt): the status text, not an idle text, comes back.
    QStatusTipEvent leave{QString()};
    QCoreApplication::sendEvent(frame.menuBar(), &leave);
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Online"));

    // The same for a toolbar button under the pointer.
    auto* button = qobject_cast<QToolButton*>(frame.ToolBar()->widgetForAction(frame.Actions().Find(Cmd::Help)));
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Open the operating instructions"));
    QEvent leaveButton(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leaveButton);
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("Online"));
}

TEST_F(MainFrameTest, StatusTextIsShownLiterallyAndKeptShort)
{
    CMainFrame frame;
    frame.SetStatusText(QStringLiteral("100% %s %n done"));
    EXPECT_EQ(frame.ShownStatusText(), QStringLiteral("100% %s %n done"));
    frame.SetStatusText(QString(300, QLatin1Char('x')));
    EXPECT_EQ(frame.StatusText().size(), 255);
}

TEST_F(MainFrameTest, ViewHoldsDeviceListAndTableBelowDeviceArea)
{
    CMainFrame frame;
    frame.resize(900, 600);
    frame.show();
    CChildView& view = frame.View();
    EXPECT_EQ(frame.centralWidget(), &view);
    EXPECT_EQ(ControlId(&view), CtrlId::View);

    auto* list = qobject_cast<QComboBox*>(FindControl(&view, CtrlId::DeviceList));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry().topLeft(), QPoint(10, 10));
    EXPECT_EQ(list->width(), 340);
    EXPECT_LE(list->geometry().bottom(), 140);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->count(), 0);

    QWidget* table = FindControl(&view, CtrlId::Table);
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    // Below the device area, which is twice as high where the tester's picture had to move below
    // the texts (a small screen).
    const int band = view.BandLayout(view.width()).height;
    EXPECT_TRUE(band == 150 || band == 300) << band;
    EXPECT_EQ(table->geometry(), QRect(0, band, view.width(), view.height() - band));
    frame.resize(1000, 700);
    EXPECT_EQ(table->geometry(), QRect(0, 150, view.width(), view.height() - 150));

    // No polling before a tester is attached; the device screen starts blank.
    EXPECT_FALSE(view.PollTimer().isActive());
    EXPECT_TRUE(view.PollTimer().isSingleShot());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(view.store.displayCodes), 4), QByteArray("    "));
}

TEST(LockKeys, ReadFromKeyboardLeds)
{
    QTemporaryDir leds;
    auto led = [&](const char* name, const char* level) {
        QDir(leds.path()).mkpath(QLatin1String(name));
        WriteWholeFile(leds.filePath(QLatin1String(name) + QStringLiteral("/brightness")), level);
    };
    EXPECT_FALSE(LockKeyOn(LockKey::Caps, leds.path()));
    led("input3::capslock", "0\n");
    led("input7::capslock", "1\n"); // a second keyboard with Caps Lock on
    led("input3::numlock", "0\n");
    led("input3::scrolllock", "1\n");
    EXPECT_TRUE(LockKeyOn(LockKey::Caps, leds.path()));
    EXPECT_FALSE(LockKeyOn(LockKey::Num, leds.path()));
    EXPECT_FALSE(LockKeyOn(LockKey::Caps, leds.filePath(QStringLiteral("missing"))));
}

} // namespace
