// What the dialog shows: the tester's settings once its read jobs are in, the scale and material
// lists with what Refresh corrects, and the rules for first-model testers and old firmware.
#include "DialogOnSim.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

TEST_F(DialogOnSim, OpensWithTheTestersSettingsOnceItsReadsAreIn)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--serial", "K2-0042", "--empty", "--impact-counter", "3000000000"}));
    // The operator changes things on the tester after the connect; opening the dialog reads them.
    Sim("set fixed 12");
    Sim("set counter 345");
    Sim("set standard 1");
    Sim("set mode 0x0064"); // Brinell, material 4, Leeb D
    Sim("lock 1");

    ASSERT_TRUE(dialog->Create());
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(store.link->jobs, CDeviceLink::jobsSettingsDialog);
    // A second show while it is open changes nothing.
    store.link->jobs = CDeviceLink::jobReadKeyLock;
    EXPECT_FALSE(dialog->Create());
    EXPECT_EQ(store.link->jobs, CDeviceLink::jobReadKeyLock);
    store.link->jobs = CDeviceLink::jobsSettingsDialog;
    ASSERT_TRUE(RunJobs());
    EXPECT_GE(followUps.refreshes, 2); // settings and curves each refresh the open dialog

    EXPECT_EQ(Text(1014), "Kestrel 2   K2-0042");
    EXPECT_EQ(Text(277), "3000000000"); // an unsigned counter, never shown negative
    EXPECT_EQ(Text(58013), "345");
    EXPECT_EQ(Text(58014), "12");
    EXPECT_EQ(Text(300), "Custom J");
    EXPECT_TRUE(Enabled(300));
    EXPECT_EQ(Text(301), "D");
    EXPECT_EQ(Text(58000), "HB    Brinell (F=30D\u00b2)");
    EXPECT_EQ(Text(58001), "4 Gray cast iron (GG)");
    EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog->Control(1027))->isChecked());

    // Every scale but Rockwell A for the measuring mode; neither it nor the custom curve as a
    // curve's base.
    const QStringList modes = Lines(58000);
    ASSERT_EQ(modes.size(), 9);
    EXPECT_FALSE(modes.contains("HRA Rockwell A"));
    EXPECT_EQ(modes[6], "HS    Shore");
    EXPECT_EQ(modes[8], "HC   Custom");
    for (int id : {58002, 58004, 58006}) {
        EXPECT_EQ(Lines(id), modes.mid(0, 8)) << id;
    }
    EXPECT_EQ(Lines(58001), QStringList({"1 Steel and cast steel", "3 Stainless steel", "4 Gray cast iron (GG)",
                                         "5 Nodular cast iron (GGG)", "6 Cast aluminium alloys", "6.1 Alu-AN40 (ABB)",
                                         "7 Brass", "8 Bronzes", "9 Wrought copper"}));
    // An untouched custom curve: corrected Leeb D, no material, no offset; its row is disabled.
    EXPECT_EQ(Text(58002), "HLD  Leeb D");
    EXPECT_EQ(Lines(58003), QStringList());
    EXPECT_EQ(Text(58010), "+0.0");
    EXPECT_FALSE(Enabled(58002));
}

TEST_F(DialogOnSim, RefreshWritesBackWhatAScaleDoesNotOffer)
{
    ASSERT_TRUE(Connect({"--model", "kestrel2", "--empty"}));
    ASSERT_TRUE(OpenAndRead());
    struct Case {
        const char* name;
        int scale, material;
        int position;          // selected in the measuring-mode list
        QStringList materials; // the material list
        int selected;
        int materialAfter;
    } cases[] = {
        {"tensile strength", 8, 5, 7, {"1 Steel / Cast Steel", "2 Treat. Steel heat tr.", "3 Treat. Steel untreat."}, 0, 11},
        {"raw Leeb", 0, 3, 0, {}, -1, 0},
        {"Rockwell A selects no scale", 6, 1, -1, {"1 Steel and cast steel"}, 0, 1},
        {"Shore keeps its material", 7, 1, 6, {"1 Steel and cast steel"}, 0, 1},
        {"custom curve", 9, 15, 8, {"HC1  Custom1", "HC2  Custom2", "HC3  Custom3"}, 1, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store.deviceScale = c.scale;
        store.deviceMaterial = c.material;
        dialog->Refresh();
        EXPECT_EQ(List(58000)->currentIndex(), c.position);
        EXPECT_EQ(Lines(58001), c.materials);
        EXPECT_EQ(List(58001)->currentIndex(), c.selected);
        EXPECT_EQ(store.deviceMaterial, c.materialAfter);
    }

    // The custom curves' materials are written back the same way, each in its own entry.
    store.customD[15] = CPARA{0, 8, 3, 0.0f};
    store.customD[16] = CPARA{0, 1, 4, 0.0f};
    dialog->Refresh();
    EXPECT_EQ(store.customD[15].material, 11);
    EXPECT_EQ(Text(58005), "1 Steel / Cast Steel");
    EXPECT_EQ(Text(58004), "Rm   Tensile strength");
    EXPECT_EQ(store.customD[16].material, 0);
    EXPECT_EQ(Lines(58007), QStringList());
}

TEST_F(DialogOnSim, FirstModelShowsLeebDAndNoCountersAndOldFirmwareNoStandard)
{
    ASSERT_TRUE(Connect({"--model", "kestrel1", "--firmware", "1.4.2", "--empty"}));
    store.conversionStandard = 1; // chosen in the program's menu; the tester knows none
    ASSERT_TRUE(dialog->Create());
    EXPECT_FALSE(Enabled(300));
    EXPECT_EQ(Text(300), "default");
    ASSERT_TRUE(RunJobs());
    EXPECT_EQ(Text(300), "default"); // the tester's reply carries no standard: 0
    EXPECT_EQ(store.conversionStandard, 0);

    store.deviceProbe = 1;
    store.measurementCounter = 77;
    dialog->Refresh();
    EXPECT_EQ(Text(301), "D");
    EXPECT_FALSE(Enabled(301));
    for (int id : {58013, 58014}) {
        EXPECT_EQ(Text(id), "") << id;
        EXPECT_FALSE(Enabled(id)) << id;
    }
    // An emptied counter edit that loses the focus changes nothing.
    Type(58013, "");
    EXPECT_EQ(store.measurementCounter, 77u);
}

} // namespace
