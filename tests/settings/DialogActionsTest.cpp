// What the operator does in the dialog: each action changes the store as it should and the
// dialog shows the result; Lock Keys goes to the tester at once; Enter, Esc and Exit close.
#include "DialogOnSim.h"

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
    struct Case {
        int position; // of the base scale in HC1's scale list
        const char* typed;
        const char* shown;
        float stored;
    } cases[] = {
        {2, "12.34", "+12.0", 12.0f},  // Vickers
        {4, "12.34", "+10.0", 10.0f},  // Rockwell C
        {6, "-7.25", "-7.3", -7.3f},   // Shore
        {5, "7,45", "+7.5", 7.5f},     // Rockwell B, decimal comma
        {3, "-120", "-50.0", -50.0f},  // Brinell
        {2, "abc", "+0.0", 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Click(1015);
        Choose(58002, c.position);
        Type(58010, QString::fromLatin1(c.typed));
        EXPECT_EQ(Text(58010), c.shown);
        EXPECT_FLOAT_EQ(store.customD[14].offset, c.stored);
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
    struct Case {
        const char* typed;
        int fixed; // after leaving the edit
    } fixed[] = {{"0", 5}, {"150", 5}, {"7", 7}, {"99", 99}, {"100", 99}, {"1", 1}, {"", 1}};
    for (const Case& c : fixed) {
        SCOPED_TRACE(c.typed);
        Type(58014, QString::fromLatin1(c.typed));
        EXPECT_EQ(store.fixedImpacts, c.fixed);
        EXPECT_EQ(Text(58014), QString::number(c.fixed));
    }
    Type(58013, "65535");
    EXPECT_EQ(store.measurementCounter, 65535u);
    Type(58013, "70000"); // would reach the tester cut to 16 bits
    EXPECT_EQ(store.measurementCounter, 65535u);
    EXPECT_EQ(Text(58013), "65535");
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
