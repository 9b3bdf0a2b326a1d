#include "runs/TorviRun_IO.h"

#include "RunsTestSupport.h"
#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

const std::string ModelParameters = std::string(ORVANE_BIN_DIR) + "/ModelParameters.f";
const std::string DefaultTabs = "Tbl Vars:9|+|0|+|40|+|2|+|0|+|1\r\nHaz Vars:0|+|0|+|40|+|2|+|0|+|0\r\nFire Vars:0|+|0\r\n";
// As a new run writes them: no range unit and no page value yet, and the settings of a new run.
const std::string WrittenTabs = "Tbl Vars:9|+|0|+|40|+|2|+|0|+|1|+||+|\r\nHaz Vars:0|+|0|+|40|+|2|+|0|+|0|+||+|\r\n"
                                "Fire Vars:0|+|0|+|\r\nGlobal Vars:18000|+|0\r\n";

// A scenario file of one record: wind speed and name tell the scenarios apart.
std::string ScenarioFile(const std::string& name, const std::string& wind)
{
    return "#SIMT FMlow\r\n3 1 0.4 1 1 1 4 0.4 1 1 1 6 7 8 90 120 0.12 4 1 100 2 " + wind + " 30 0 " + name + "\r\n";
}

std::string RunFile(const std::string& scn, const std::string& tabs = DefaultTabs)
{
    return "Name:Hill\r\nDate:June\r\nProject:Ridge\r\nAnalyst:Kim\r\nUnt:\r\nFmd:\r\nScn:" + scn + "\r\n" + tabs;
}

struct RunFixture {
    RunFixture() : runFolder("run"), programFolder("program")
    {
        EXPECT_TRUE(run.defFM.LoadFuelModel(ModelParameters));
        run.torvi.FuelModels = run.defFM.fmColl;
        io.programDir = programFolder.path.string();
    }
    RecordingInteraction ui;
    clsRun run{ui};
    TorviRun_IO& io = run.run_IO;
    TempFolder runFolder;
    TempFolder programFolder;
};

}  // namespace

TEST(TorviRun_IO, WritesTheTenRecordsWithBareFileNames)
{
    RunFixture f;
    f.run.Name = "Hill";
    f.run.RDate = "June 3";
    f.run.Project = "Ridge thinning";
    f.run.Analyst = "Kim";
    ASSERT_TRUE(f.run.unitsIO.SaveUnits(f.programFolder.File("hill.unt"), f.run));
    std::string error;
    ASSERT_TRUE(f.run.AddFuelModels(Fixture("custom.fmd"), error)) << error;
    f.run.io(1).fileName = f.programFolder.File("north.scn");
    f.run.io(3).fileName = "/fires/south.scn";
    const std::string path = f.runFolder.File("hill.run");
    ASSERT_TRUE(f.io.SaveTorviRun(path, f.run)) << f.io.errStr;
    EXPECT_EQ(f.io.fileName, path);
    EXPECT_EQ(ReadWhole(path), "Name:Hill\r\nDate:June 3\r\nProject:Ridge thinning\r\nAnalyst:Kim\r\nUnt:hill.unt\r\n"
                               "Fmd:custom.fmd\r\nScn:north.scn|+|south.scn\r\n" + WrittenTabs);
}

TEST(TorviRun_IO, WritesRangesInTheShortestFormOfAtMostFifteenDigits)
{
    RunFixture f;
    f.run.Name = "Steps";
    f.run.tblch_input_var = 3;
    f.run.tblch_input_min = 0.5;
    f.run.tblch_input_step = 0.1;
    f.run.haz_input_max = 1.0 / 3;
    f.run.haz_output_var = 12;
    f.run.fire_ref_var = 2;
    f.run.fire_page_var = 7;
    f.run.tblch_input_unit = 1;
    f.run.haz_input_unit = 2;
    f.run.tblch_page_val = 2.0 / 3;
    f.run.fire_page_val = 15;
    f.run.globalHCrown = 12000.5;
    f.run.globalSpreadDirection = -45;
    const std::string path = f.runFolder.File("steps.run");
    ASSERT_TRUE(f.io.SaveTorviRun(path, f.run));
    const std::string text = ReadWhole(path);
    EXPECT_EQ(text.substr(text.find("Unt:")),
              "Unt:\r\nFmd:\r\nScn:\r\nTbl Vars:3|+|0.5|+|40|+|0.1|+|0|+|1|+|1|+|0.666666666666667\r\n"
              "Haz Vars:0|+|0|+|0.333333333333333|+|2|+|0|+|12|+|2|+|\r\nFire Vars:2|+|7|+|15\r\n"
              "Global Vars:12000.5|+|-45\r\n");
}

TEST(TorviRun_IO, ASavedRunReadsBackIntoAFreshRun)
{
    RunFixture f;
    f.run.Name = "Hill";
    f.run.Project = "Ridge";
    f.run.units.CanopyBHInUnits.SetCurrUnit(2);
    f.run.haz_pg_units.OpenWindSpdInUnits.SetCurrUnit(2);
    ASSERT_TRUE(f.run.unitsIO.SaveUnits(f.runFolder.File("metric-ish.unt"), f.run));
    std::string error;
    ASSERT_TRUE(f.run.AddFuelModels(f.runFolder.Write("custom.fmd", ReadWhole(Fixture("custom.fmd"))), error));
    f.run.io(1).fileName = f.runFolder.Write("a.scn", ScenarioFile("First", "11"));
    f.run.io(3).fileName = f.runFolder.Write("c.scn", ScenarioFile("Third", "13"));
    f.run.tblch_input_var = 5;
    f.run.tblch_input_max = 250.5;
    f.run.haz_input_step = 0.25;
    f.run.fire_page_var = 3;
    f.run.haz_input_unit = 2;
    f.run.tblch_page_val = 15;
    f.run.haz_page_val = 0.1;
    f.run.globalHCrown = 12000;
    f.run.globalSpreadDirection = 90;
    const std::string path = f.runFolder.File("hill.run");
    ASSERT_TRUE(f.io.SaveTorviRun(path, f.run)) << f.io.errStr;

    RecordingInteraction ui;
    clsRun fresh(ui);
    fresh.tblch_input_unit = 3;  // what an earlier run left: a file that names none leaves none
    fresh.fire_page_val = 7;
    ASSERT_TRUE(fresh.defFM.LoadFuelModel(ModelParameters));
    ASSERT_TRUE(fresh.run_IO.LoadTorviRun(path, fresh)) << fresh.run_IO.errStr;
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fresh.Name, "Hill");
    EXPECT_EQ(fresh.Project, "Ridge");
    EXPECT_EQ(fresh.RDate, "");
    EXPECT_EQ(fresh.unitsIO.fileName, f.runFolder.File("metric-ish.unt"));
    EXPECT_EQ(fresh.units.CanopyBHInUnits.GetCurrUnit(), 2);
    EXPECT_EQ(fresh.haz_pg_units.OpenWindSpdInUnits.GetCurrUnit(), 2);
    EXPECT_NE(fresh.getSelectedFM(250), nullptr);
    EXPECT_EQ(fresh.torvi.FuelModels, fresh.defFM.fmColl);
    // Scenarios 1 and 3 come back in 1 and 2.
    EXPECT_EQ(fresh.io(1).Name, " First");
    EXPECT_DOUBLE_EQ(fresh.io(1).IData.OpenWindSpeed, 11);
    EXPECT_EQ(fresh.io(1).fileName, f.runFolder.File("a.scn"));
    EXPECT_EQ(fresh.io(2).Name, " Third");
    EXPECT_FALSE(fresh.io(2).IsEmpty);
    EXPECT_TRUE(fresh.io(3).IsEmpty);
    EXPECT_EQ(fresh.tblch_input_var, 5);
    EXPECT_DOUBLE_EQ(fresh.tblch_input_max, 250.5);
    EXPECT_DOUBLE_EQ(fresh.haz_input_step, 0.25);
    EXPECT_EQ(fresh.fire_page_var, 3);
    EXPECT_EQ(fresh.tblch_output_var, 1);
    EXPECT_EQ(fresh.tblch_input_unit, 0);
    EXPECT_EQ(fresh.haz_input_unit, 2);
    EXPECT_DOUBLE_EQ(fresh.tblch_page_val, 15);
    EXPECT_DOUBLE_EQ(fresh.haz_page_val, 0.1);
    EXPECT_TRUE(std::isnan(fresh.fire_page_val));
    EXPECT_DOUBLE_EQ(fresh.globalHCrown, 12000);
    EXPECT_EQ(fresh.globalSpreadDirection, 90);
}

// Files written before the range units, page values and global settings were kept read as they
// always did: the tab records give no unit and no page value, and the settings in use stay.
TEST(TorviRun_IO, AnOlderRunFileLeavesWhatItDoesNotHold)
{
    RunFixture f;
    f.run.globalHCrown = 15000;
    f.run.globalSpreadDirection = 30;
    f.run.haz_input_unit = 2;
    f.run.haz_page_val = 20;
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("old.run", RunFile("")), f.run)) << f.io.errStr;
    EXPECT_DOUBLE_EQ(f.run.globalHCrown, 15000);
    EXPECT_EQ(f.run.globalSpreadDirection, 30);
    EXPECT_EQ(f.run.haz_input_unit, 0);
    EXPECT_TRUE(std::isnan(f.run.haz_page_val));
    // A record of a later kind after the ones this reader knows is passed over.
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("new.run", RunFile("") + "Global Vars:9000|+|-180\r\nLater:1\r\n"),
                                  f.run))
        << f.io.errStr;
    EXPECT_DOUBLE_EQ(f.run.globalHCrown, 9000);
    EXPECT_EQ(f.run.globalSpreadDirection, -180);
}

TEST(TorviRun_IO, CommentsBlankLinesAndBlanksAroundValuesAreRead)
{
    RunFixture f;
    f.runFolder.Write("a.scn", ScenarioFile("A", "5"));
    f.runFolder.Write("b.scn", ScenarioFile("B", "6"));
    const std::string text = "# run of the ridge\r\n\r\nName: Hill top\r\n  # dates\r\nDate:  June \r\n\t\r\n"
                             "Project:Ridge |+| ignored\r\nAnalyst:\r\nUnt:\r\nFmd:\r\nScn: a.scn |+|  b.scn \r\n\r\n"
                             "Tbl Vars: 10 |+| 1 |+| 30|+|3 |+|2|+|4\r\n# hazard\r\nHaz Vars:1|+|0|+|40|+|2|+|0|+|0\r\n"
                             "Fire Vars:1 |+| 2\r\n";
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", text), f.run)) << f.io.errStr;
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.run.Name, "Hill top");
    EXPECT_EQ(f.run.RDate, "June");
    EXPECT_EQ(f.run.Project, "Ridge");
    EXPECT_DOUBLE_EQ(f.run.io(2).IData.OpenWindSpeed, 6);
    EXPECT_EQ(f.run.tblch_input_var, 10);
    EXPECT_DOUBLE_EQ(f.run.tblch_input_min, 1);
    EXPECT_DOUBLE_EQ(f.run.tblch_input_step, 3);
    EXPECT_EQ(f.run.tblch_output_var, 4);
    EXPECT_EQ(f.run.fire_page_var, 2);
}

TEST(TorviRun_IO, AtMostFourScenarioFilesAreLoaded)
{
    for (int count : {4, 6}) {
        SCOPED_TRACE(count);
        RunFixture f;
        std::vector<std::string> names;
        for (int i = 1; i <= count; ++i) {
            names.push_back("s" + std::to_string(i) + ".scn");
            f.runFolder.Write(names.back(), ScenarioFile("S" + std::to_string(i), std::to_string(i)));
        }
        std::string scn = names[0];
        for (std::size_t i = 1; i < names.size(); ++i)
            scn += "|+|" + names[i];
        ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", RunFile(scn)), f.run));
        if (count == 6)
            EXPECT_EQ(f.ui.messages, std::vector<std::string>{"Only the first 4 of the 6scenarios can be loaded."});
        else
            EXPECT_TRUE(f.ui.messages.empty());
        for (int k = 1; k <= 4; ++k)
            EXPECT_DOUBLE_EQ(f.run.io(k).IData.OpenWindSpeed, k);
    }
}

TEST(TorviRun_IO, AScenarioFileFoundNowhereIsPassedOver)
{
    RunFixture f;
    f.runFolder.Write("a.scn", ScenarioFile("A", "5"));
    f.programFolder.Write("c.scn", ScenarioFile("C", "7"));  // beside the program only
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", RunFile("a.scn|+|lost.scn|+|c.scn")), f.run));
    EXPECT_EQ(f.ui.messages,
              (std::vector<std::string>{"Cannot locate file: lost.scn", "Warning: Scenario file lost.scn was not loaded"}));
    EXPECT_DOUBLE_EQ(f.run.io(1).IData.OpenWindSpeed, 5);
    EXPECT_TRUE(f.run.io(2).IsEmpty);
    EXPECT_EQ(f.run.io(2).fileName, "");
    EXPECT_EQ(f.run.io(3).fileName, f.programFolder.File("c.scn"));
    EXPECT_DOUBLE_EQ(f.run.io(3).IData.OpenWindSpeed, 7);
}

TEST(TorviRun_IO, AnUnreadableScenarioFileIsToldAndPassedOver)
{
    RunFixture f;
    f.runFolder.Write("short.scn", "3 1 0.4\r\n");
    f.runFolder.Write("b.scn", ScenarioFile("B", "6"));
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", RunFile("short.scn|+|b.scn")), f.run));
    EXPECT_EQ(f.ui.messages, (std::vector<std::string>{"Wrong number of values in line number 1",
                                                        "Warning: Scenario file short.scn was not loaded"}));
    EXPECT_EQ(f.run.io(1).fileName, "");
    EXPECT_TRUE(f.run.io(1).IsEmpty);
    EXPECT_DOUBLE_EQ(f.run.io(2).IData.OpenWindSpeed, 6);
}

TEST(TorviRun_IO, TheRunFilesFolderComesBeforeTheProgramsFolder)
{
    RunFixture f;
    f.runFolder.Write("a.scn", ScenarioFile("Beside the run", "5"));
    f.programFolder.Write("a.scn", ScenarioFile("Beside the program", "9"));
    ASSERT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", RunFile("a.scn")), f.run));
    EXPECT_DOUBLE_EQ(f.run.io(1).IData.OpenWindSpeed, 5);
}

// A run file reaches only into its own folder and the program's: any folder part of a name is
// dropped before the name is looked up.
TEST(TorviRun_IO, ReferencedNamesLoseTheirFolders)
{
    RunFixture f;
    const auto sub = f.runFolder.path / "sub";
    std::filesystem::create_directories(sub);
    f.runFolder.Write("in.scn", ScenarioFile("Outside", "3"));
    std::ofstream(sub / "win.scn", std::ios::binary) << ScenarioFile("Windows", "4");
    const std::string runPath = (sub / "r.run").string();
    std::ofstream(runPath, std::ios::binary) << RunFile("../in.scn|+|/etc/passwd|+|C:\\fires\\win.scn|+|..");
    ASSERT_TRUE(f.io.LoadTorviRun(runPath, f.run));
    EXPECT_EQ(f.ui.messages, (std::vector<std::string>{
                                 "Cannot locate file: ../in.scn", "Warning: Scenario file ../in.scn was not loaded",
                                 "Cannot locate file: /etc/passwd", "Warning: Scenario file /etc/passwd was not loaded",
                                 "Cannot locate file: ..", "Warning: Scenario file .. was not loaded"}));
    EXPECT_TRUE(f.run.io(1).IsEmpty);
    EXPECT_TRUE(f.run.io(2).IsEmpty);
    EXPECT_EQ(f.run.io(3).fileName, (sub / "win.scn").string());
    EXPECT_DOUBLE_EQ(f.run.io(3).IData.OpenWindSpeed, 4);
}

TEST(TorviRun_IO, FaultyRecordsFailTheLoadNamingTheLine)
{
    const std::string tbl = "Tbl Vars:9|+|0|+|40|+|2|+|0|+|1\r\n";
    const std::string haz = "Haz Vars:0|+|0|+|40|+|2|+|0|+|0\r\n";
    const std::string fire = "Fire Vars:0|+|0\r\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {RunFile("", ""), "Run file is missing Table Vars record"},
        {RunFile("", tbl + "\r\n# no more\r\n"), "Run file is missing Hazard Vars record"},
        {RunFile("", tbl + haz), "Run file is missing Fire Vars record"},
        {RunFile("", "Tbl Vars:9|+|0|+|40\r\n" + haz + fire), "Missing run data value at line 8"},
        {RunFile("", "Tbl Vars:9|+|0|+||+|2|+|0|+|1\r\n" + haz + fire), "Missing run data value at line 8"},
        {RunFile("", tbl + "Haz Vars:0|+|0|+|forty|+|2|+|0|+|0\r\n" + fire), "Invalid run data value at line 9"},
        {RunFile("", tbl + haz + "Fire Vars:1.5|+|0\r\n"), "Invalid run data value at line 10"},
        {RunFile("", tbl + haz + "Fire Vars:0|+|40000\r\n"), "Invalid run data value at line 10"},
        {RunFile("", tbl + haz + "Fire:0|+|0\r\n"), "Malformed run record: expected Fire Vars: at line 10"},
        {RunFile("", tbl + haz + "Fire Vars:0|+|0|+|fast\r\n"), "Invalid run data value at line 10"},
        {RunFile("", tbl + "Haz Vars:0|+|0|+|40|+|2|+|0|+|0|+|2.5\r\n" + fire), "Invalid run data value at line 9"},
        {RunFile("", tbl + haz + fire + "Global Vars:18000\r\n"), "Missing run data value at line 11"},
        {RunFile("", tbl + haz + fire + "Global Vars:hot|+|0\r\n"), "Invalid run data value at line 11"},
        {RunFile("", tbl + haz + fire + "Global Vars:18000|+|181\r\n"), "Invalid run data value at line 11"},
        {"Nam:Hill\r\n" + RunFile("").substr(11), "Malformed run record: expected Name: at line 1"},
        {"Name:Hill\r\nDate:x\r\n\r\n", "Malformed run record: expected Project: at line 3"},
        {"Name:Hill\r\nDate:\r\nProject:\r\nAnalyst:\r\n", "Malformed run record: expected Unt: at line 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        RunFixture f;
        f.run.haz_input_max = 55;
        f.run.fire_ref_var = 4;
        f.run.globalHCrown = 17000;
        EXPECT_FALSE(f.io.LoadTorviRun(f.runFolder.Write("r.run", c.text), f.run));
        EXPECT_EQ(f.io.errStr, c.message);
        EXPECT_TRUE(f.ui.messages.empty());
        // A record that fails stores none of its values.
        if (c.message.find("line 9") != std::string::npos) {
            EXPECT_DOUBLE_EQ(f.run.haz_input_max, 55);
        }
        if (c.message.find("line 10") != std::string::npos) {
            EXPECT_EQ(f.run.fire_ref_var, 4);
        }
        EXPECT_DOUBLE_EQ(f.run.globalHCrown, 17000);
    }
}

TEST(TorviRun_IO, AFileThatCannotBeReadIsNamedNotMistakenForARecord)
{
    RunFixture f;
    EXPECT_FALSE(f.io.LoadTorviRun(f.runFolder.path.string(), f.run));  // a folder is not a file to open
    EXPECT_EQ(f.io.errStr, "Failed to open Torvi Run file: " + f.runFolder.path.string());
    EXPECT_FALSE(f.io.LoadTorviRun("/proc/self/mem", f.run));
    EXPECT_EQ(f.io.errStr, "Failed to read Torvi Run file: /proc/self/mem (Input/output error)");
    const std::string huge = f.runFolder.Write("huge.run", "Name:Hill\r\n" + std::string(2 << 20, 'x') + "\r\n");
    EXPECT_FALSE(f.io.LoadTorviRun(huge, f.run));
    EXPECT_EQ(f.io.errStr, "Line number 2 of Torvi Run file: " + huge + " is longer than 1048576 characters");
    // A later failure of another kind is told as itself.
    f.run.Name = "with |+| inside";
    EXPECT_FALSE(f.io.RunCanBeSaved(f.run));
    EXPECT_EQ(f.io.errStr.rfind("The run's ", 0), 0u);
}

TEST(TorviRun_IO, AMissingNameIsToldButDoesNotFailTheLoad)
{
    RunFixture f;
    std::string text = RunFile("");
    text.replace(0, 9, "Name:  ");
    EXPECT_TRUE(f.io.LoadTorviRun(f.runFolder.Write("r.run", text), f.run));
    EXPECT_EQ(f.io.errStr, "Missing run data value at line 1");
    EXPECT_EQ(f.run.Project, "Ridge");
}

TEST(TorviRun_IO, UnitsAndFuelModelFilesThatCannotBeLoadedFailTheLoad)
{
    RunFixture f;
    const std::string noUnits = "Name:Hill\r\nDate:\r\nProject:\r\nAnalyst:\r\nUnt:gone.unt\r\nFmd:\r\nScn:\r\n" + DefaultTabs;
    EXPECT_FALSE(f.io.LoadTorviRun(f.runFolder.Write("r.run", noUnits), f.run));
    EXPECT_EQ(f.io.errStr, "Cannot locate file: gone.unt");
    EXPECT_EQ(f.run.Name, "Hill");  // what was read before the failure stays

    f.runFolder.Write("gone.unt", "MAIN HCROWN: 7\r\n");
    EXPECT_FALSE(f.io.LoadTorviRun(f.runFolder.File("r.run"), f.run));
    EXPECT_EQ(f.io.errStr, "Invalid unit data value at line 1");

    // The custom file repeats a standard fuel model number.
    f.runFolder.Write("dup.fmd", "ENGLISH\r\n1 FM1 0.74 0 0 0 0 static 3500 0 0 1.0 12 8000 8000 Again\r\n");
    const std::string duplicate = "Name:Hill\r\nDate:\r\nProject:\r\nAnalyst:\r\nUnt:\r\nFmd:dup.fmd\r\nScn:\r\n" + DefaultTabs;
    EXPECT_FALSE(f.io.LoadTorviRun(f.runFolder.Write("r.run", duplicate), f.run));
    EXPECT_EQ(f.io.errStr.substr(0, 38), "Duplicate fuel model: number(1) code(F");
    EXPECT_TRUE(f.ui.messages.empty());

    const std::string missing = f.runFolder.File("none.run");
    EXPECT_FALSE(f.io.LoadTorviRun(missing, f.run));
    EXPECT_EQ(f.io.errStr, "Failed to open Torvi Run file: " + missing);
    EXPECT_EQ(f.io.fileName, "");
}

// A text field that holds the separator or a line break would come back cut short or would break
// the records after it: such a run is refused and the previous file stays as it was.
TEST(TorviRun_IO, ARunThatWouldNotReadBackIsNotSaved)
{
    struct Case {
        std::string clsRun::*field;
        std::string value;
        std::string caption;
    };
    const std::vector<Case> cases = {{&clsRun::Name, "Hill|+|top", "Run"},
                                     {&clsRun::RDate, "June\r\n3", "Date"},
                                     {&clsRun::Project, "Ridge\n", "Project"},
                                     {&clsRun::Analyst, "K|+|", "Analyst"}};
    for (const Case& c : cases) {
        RunFixture f;
        f.run.Name = "Hill";
        f.run.*c.field = c.value;
        const std::string path = f.runFolder.Write("r.run", "previous");
        EXPECT_FALSE(f.io.SaveTorviRun(path, f.run));
        EXPECT_EQ(f.io.errStr, "The run's " + c.caption +
                                   " holds \"|+|\" or a line break, which a run file cannot store. Please change "
                                   "it before saving the run.");
        EXPECT_EQ(ReadWhole(path), "previous");
    }
    // File names that would read back as other names, each named with the field it fills.
    const std::vector<std::pair<std::string, std::string>> names = {
        {"/data/odd|+|name.scn", "\"odd|+|name.scn\" of the scenario file of Scenario B"},
        {"/data/north\\ridge.scn", "\"north\\ridge.scn\" of the scenario file of Scenario B"},
        {"/data/ north.scn", "\" north.scn\" of the scenario file of Scenario B"},
        {"/data/north.scn ", "\"north.scn \" of the scenario file of Scenario B"},
    };
    for (const auto& [path, named] : names) {
        RunFixture f;
        f.run.Name = "Hill";
        f.run.io(2).fileName = path;
        EXPECT_FALSE(f.io.SaveTorviRun(f.runFolder.File("r.run"), f.run));
        EXPECT_EQ(f.io.errStr, "The file name " + named +
                                   " holds \"|+|\", a line break, a backslash or blanks at its start or end, which a "
                                   "run file cannot store. Please rename the file before saving the run.");
        EXPECT_FALSE(std::filesystem::exists(f.runFolder.File("r.run")));
    }
    RunFixture f;
    f.run.Name = "Hill";
    ASSERT_TRUE(f.run.unitsIO.SaveUnits(f.runFolder.File(" hill.unt"), f.run));
    EXPECT_FALSE(f.io.RunCanBeSaved(f.run));
    EXPECT_NE(f.io.errStr.find("\" hill.unt\" of the units set holds"), std::string::npos) << f.io.errStr;
    f.run.unitsIO.fileName.clear();

    const std::string unwritable = f.runFolder.File("no folder/r.run");
    f.run.io(2).fileName.clear();
    EXPECT_FALSE(f.io.SaveTorviRun(unwritable, f.run));
    EXPECT_EQ(f.io.errStr, "Failed to open Torvi Run file: " + unwritable);
}
