// What the operator does in the dialog: each action changes the store as it should and the
// dialog shows the result; Lock Keys goes to the tester at once; Enter, Esc and Exit close.
#include "DialogOnSim.h"

#include "devicelink/LinkStrings.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

TEST_F(DialogOnSim, OffsetsAreRoundedAndLimitedByTheCurvesBaseScale)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty"}));
    ASSERT_TRUE(OpenAndRead());
    // An offset beyond the base scale's limit is refused with a word; the curve keeps its own.
    struct Case {
        int position; // of the base scale in HC1's scale list
        const char* typed;
        const char* shown;
        float stored;
        const char* notice;
    } cases[] = {
        {2, "12.34", "+12.0", 12.0f, ""},                                           // Vickers
        {4, "12.34", "+10.0", 10.0f, "HC1 offset: 12.34 was not taken; this curve accepts -10.0 to +10.0."}, // Rockwell C
        {4, "9.96", "+10.0", 10.0f, ""},                                            // rounds to the limit
        {6, "-7.25", "-7.3", -7.3f, ""},                                            // Shore
        {5, "7,45", "+7.5", 7.5f, ""},                                              // Rockwell B, decimal comma
        {3, "-120", "+8.0", 8.0f, "HC1 offset: -120 was not taken; this curve accepts -50.0 to +50.0."}, // Brinell
        {2, "abc", "+0.0", 0.0f, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog->ShowNotice({});
        Click(1015);
        Choose(58002, c.position);
        Type(58010, QString::fromLatin1(c.typed));
        EXPECT_EQ(Text(58010), c.shown);
        EXPECT_FLOAT_EQ(store.customD[14].offset, c.stored);
        EXPECT_EQ(dialog->Notice(), c.notice);
    }
    // A new base scale limits the offset the curve has: 10.0 on Rockwell C stays, 30 on Vickers
    // becomes 10.0 on Shore.
    Choose(58002, 2);
    Type(58010, "30");
    Choose(58002, 6);
    EXPECT_EQ(store.customD[14].scale, 7);
    EXPECT_EQ(Text(58010), "+10.0");
    EXPECT_FLOAT_EQ(store.customD[14].offset, 10.0f);
}

TEST_F(DialogOnSim, ACustomCurveButtonOrListMakesThatCurveTheMeasuringMode)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty"}));
    ASSERT_TRUE(OpenAndRead());
    const auto rowEnabled = [&](int curve) {
        return Enabled(58002 + 2 * curve) && Enabled(58003 + 2 * curve) && Enabled(58010 + curve);
    };
    const auto checked = [&](int curve) { return qobject_cast<QRadioButton*>(dialog->Control(1015 + curve))->isChecked(); };

    Click(1016);
    EXPECT_EQ(store.deviceScale, 9);
    EXPECT_EQ(store.deviceMaterial, 15);
    EXPECT_EQ(Text(58000), "HC   Custom");
    EXPECT_EQ(Text(58001), "HC2  Custom2");
    EXPECT_TRUE(rowEnabled(1));
    EXPECT_FALSE(rowEnabled(0));
    EXPECT_FALSE(rowEnabled(2));
    EXPECT_TRUE(checked(1));
    EXPECT_FALSE(checked(0) || checked(2));
    // A second click on the checked button keeps it checked.
    Click(1016);
    EXPECT_TRUE(checked(1));

    // HC3's material list (its base scale set first) makes HC3 the mode and takes the material.
    store.customD[16] = CPARA{0, 2, 1, 0.0f};
    dialog->Refresh();
    Choose(58007, 2); // Vickers materials 1, 2, 3, ...: the third is 3
    EXPECT_EQ(store.deviceMaterial, 16);
    EXPECT_EQ(store.customD[16].material, 3);
    EXPECT_TRUE(rowEnabled(2) && checked(2));
    EXPECT_FALSE(rowEnabled(1) || checked(1));

    // Back to an ordinary scale: every row disabled, no button checked, all buttons usable.
    Choose(58000, 6);
    EXPECT_EQ(store.deviceScale, 7);
    EXPECT_EQ(store.deviceMaterial, 1);
    for (int curve = 0; curve < 3; ++curve) {
        EXPECT_FALSE(rowEnabled(curve) || checked(curve)) << curve;
        EXPECT_TRUE(Enabled(1015 + curve));
    }
    Choose(58001, 0);
    EXPECT_EQ(store.deviceMaterial, 1);

    // The other impact body shows its own curves and catalogue.
    store.customDL[14] = CPARA{1, 4, 2, 5.5f};
    Choose(301, 1);
    EXPECT_EQ(store.deviceProbe, 1);
    EXPECT_EQ(Text(58002), "HRC Rockwell C");
    EXPECT_EQ(Text(58003), "2 Work tool steel");
    EXPECT_EQ(Text(58010), "+5.5");
    EXPECT_EQ(Lines(58000)[0], "HLDL Leeb DL raw");
}

TEST_F(DialogOnSim, CountersAcceptOnlyWhatTheTesterCanKeep)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty", "--fixed-impacts", "5"}));
    ASSERT_TRUE(OpenAndRead());
    // A number the tester cannot keep is refused with a word, never replaced by another.
    struct Case {
        const char* typed;
        int fixed; // after leaving the edit
        const char* notice;
    } fixed[] = {
        {"0", 5, "Fixed number of impacts: 0 was not taken; the tester accepts 1 to 99."},
        {"150", 5, "Fixed number of impacts: 150 was not taken; the tester accepts 1 to 99."},
        {"7", 7, ""},
        {"99", 99, ""},
        {"100", 99, "Fixed number of impacts: 100 was not taken; the tester accepts 1 to 99."},
        {"1", 1, ""},
        {"", 1, ""},
    };
    for (const Case& c : fixed) {
        SCOPED_TRACE(c.typed);
        dialog->ShowNotice({});
        Type(58014, QString::fromLatin1(c.typed));
        EXPECT_EQ(store.fixedImpacts, c.fixed);
        EXPECT_EQ(Text(58014), QString::number(c.fixed));
        EXPECT_EQ(dialog->Notice(), c.notice);
    }
    Type(58013, "65535");
    EXPECT_EQ(store.measurementCounter, 65535u);
    Type(58013, "70000"); // would reach the tester cut to 16 bits
    EXPECT_EQ(store.measurementCounter, 65535u);
    EXPECT_EQ(Text(58013), "65535");
    EXPECT_EQ(dialog->Notice(), "Measurement counter: 70000 was not taken; the tester counts up to 65535.");
    Type(58013, "x");
    EXPECT_EQ(store.measurementCounter, 0u);

    Choose(300, 1);
    EXPECT_EQ(store.conversionStandard, 1);
}

TEST_F(DialogOnSim, LockKeysGoesToTheTesterAtOnce)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty"}));
    ASSERT_TRUE(OpenAndRead());
    ASSERT_EQ(store.device.keysLocked, 0u);
    auto* box = qobject_cast<QCheckBox*>(dialog->Control(1027));
    for (int expected : {1, 0}) {
        SCOPED_TRACE(expected);
        box->click();
        EXPECT_EQ(store.device.keysLocked, static_cast<std::uint32_t>(expected));
        EXPECT_EQ(box->isChecked(), expected == 1);
        EXPECT_TRUE(Sim("show").contains(QStringLiteral("lock=%1").arg(expected)));
    }
    EXPECT_EQ(lockRedraws, 2);
    EXPECT_EQ(store.link->jobs, 0u); // not a job

    // A request whose acknowledge is lost or wrong changes neither the box nor the store, and the
    // dialog says so; the key lock is then read back from the tester, which took the request.
    for (const char* fault : {"inject setlock FD", "drop setlock"}) {
        SCOPED_TRACE(fault);
        ASSERT_FALSE(Sim(fault).isEmpty());
        const std::uint32_t before = store.device.keysLocked;
        box->click();
        EXPECT_EQ(store.device.keysLocked, before);
        EXPECT_EQ(box->isChecked(), before == 1);
        EXPECT_EQ(dialog->Notice(), ResString(LinkStrings::KeyLockNotConfirmed));
        EXPECT_EQ(store.link->jobs, CDeviceLink::jobReadKeyLock);
        ASSERT_TRUE(RunJobs());
        EXPECT_EQ(store.device.keysLocked, 1 - before);
        EXPECT_EQ(box->isChecked(), before == 0);
        EXPECT_TRUE(Sim("show").contains(QStringLiteral("lock=%1").arg(1 - before)));
    }
    EXPECT_EQ(lockRedraws, 2);
    EXPECT_EQ(lockRefusals, 2);
}

TEST_F(DialogOnSim, EnterEscAndExitRefreshAndCloseAndTheDialogOpensAgain)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty", "--fixed-impacts", "5"}));
    ASSERT_TRUE(OpenAndRead());
    // Enter in an edit takes its value, then closes.
    auto* fixed = qobject_cast<QLineEdit*>(dialog->Control(58014));
    fixed->setText("9");
    QTest::keyClick(fixed, Qt::Key_Return);
    EXPECT_EQ(store.fixedImpacts, 9);
    EXPECT_FALSE(dialog->IsOpen());

    // Esc: what was typed and not yet taken is dropped.
    ASSERT_TRUE(OpenAndRead());
    Click(1015);
    auto* offset = qobject_cast<QLineEdit*>(dialog->Control(58010));
    offset->setText("3");
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->IsOpen());
    EXPECT_EQ(offset->text(), "+0.0");
    EXPECT_FLOAT_EQ(store.customD[14].offset, 0.0f);

    // Enter on a focused push button is that button's click; Exit closes.
    ASSERT_TRUE(OpenAndRead());
    auto* receive = dialog->Control(1010);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    store.link->jobs = 0;
    receive->setFocus();
    QCoreApplication::sendEvent(receive, &enter);
    EXPECT_EQ(store.link->jobs, CDeviceLink::jobsSettingsDialog);
    EXPECT_TRUE(dialog->IsOpen());
    ASSERT_TRUE(RunJobs());
    Click(1012);
    EXPECT_FALSE(dialog->IsOpen());
    // The title bar's close button closes it the same way.
    ASSERT_TRUE(OpenAndRead());
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->IsOpen());
}

} // namespace
