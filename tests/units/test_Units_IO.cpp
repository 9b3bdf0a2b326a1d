#include "runs/Units_IO.h"

#include "runs/clsRun.h"
#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::string Ones(int count)
{
    std::string text = "1";
    for (int i = 1; i < count; ++i)
        text += "|+|1";
    return text;
}

// A file of the fifteen records with every unit native.
std::string NativeFile()
{
    std::string text;
    for (const char* catalogue : {"MAIN", "TBLC", "HAZD", "FIRE"}) {
        const std::string c = catalogue;
        text += c + " HCROWN: 1\r\n" + c + " IN: " + Ones(4) + "\r\n" + c + " OUT: " + Ones(14) + "\r\n";
        if (c != "MAIN")
            text += c + " PGIN: " + Ones(4) + "\r\n";
    }
    return text;
}

std::vector<clsUnits*> Catalogues(clsRun& run)
{
    return {&run.units, &run.haz_units, &run.tblch_units, &run.tblch_pg_units,
            &run.haz_pg_units, &run.fire_units, &run.fire_pg_units};
}

// The descriptors whose units a set stores: every one with a choice of units, but of the page
// variable catalogues only the four inputs that can be a page variable with a choice of units.
std::vector<clsTorviUnit*> Stored(clsRun& run, clsUnits* catalogue)
{
    if (catalogue == &run.tblch_pg_units || catalogue == &run.haz_pg_units || catalogue == &run.fire_pg_units)
        return {&catalogue->CanopyBDInUnits, &catalogue->CanopyBHInUnits, &catalogue->OpenWindSpdInUnits,
                &catalogue->InitiationInUnits};
    std::vector<clsTorviUnit*> members;
    for (clsTorviUnit* member : catalogue->Members())
        if (member->UnitSize() > 1)
            members.push_back(member);
    return members;
}

// The current unit of every descriptor of every catalogue.
std::vector<int16_t> CurrentUnits(clsRun& run)
{
    std::vector<int16_t> units;
    for (clsUnits* catalogue : Catalogues(run))
        for (const clsTorviUnit* member : catalogue->Members())
            units.push_back(member->GetCurrUnit());
    return units;
}

struct Fixture {
    RecordingInteraction ui;
    clsRun run{ui};
    TempDir dir;
    Units_IO& io = run.unitsIO;
};

}  // namespace

TEST(Units_IO, WritesTheFifteenRecordsInOrder)
{
    Fixture f;
    f.run.units.CanopyBHInUnits.SetCurrUnit(2);
    f.run.tblch_units.ROSOutUnits.SetCurrUnit(5);
    f.run.haz_units.globalHCrownUnits.SetCurrUnit(2);
    f.run.fire_pg_units.InitiationInUnits.SetCurrUnit(2);
    const std::string path = f.dir.File("set.unt");
    ASSERT_TRUE(f.io.SaveUnits(path, f.run));
    EXPECT_EQ(f.io.fileName, path);
    EXPECT_TRUE(f.io.IsLoaded());
    const std::string expected =
        "MAIN HCROWN: 1\r\n"
        "MAIN IN: 1|+|2|+|1|+|1\r\n"
        "MAIN OUT: 1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1\r\n"
        "TBLC HCROWN: 1\r\n"
        "TBLC IN: 1|+|1|+|1|+|1\r\n"
        "TBLC OUT: 1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|5|+|1|+|1|+|1\r\n"
        "TBLC PGIN: 1|+|1|+|1|+|1\r\n"
        "HAZD HCROWN: 2\r\n"
        "HAZD IN: 1|+|1|+|1|+|1\r\n"
        "HAZD OUT: 1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1\r\n"
        "HAZD PGIN: 1|+|1|+|1|+|1\r\n"
        "FIRE HCROWN: 1\r\n"
        "FIRE IN: 1|+|1|+|1|+|1\r\n"
        "FIRE OUT: 1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1\r\n"
        "FIRE PGIN: 1|+|1|+|1|+|2\r\n";
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST(Units_IO, SaveAndLoadRestoreEveryUnitOfAllSevenCatalogues)
{
    Fixture f;
    int offset = 0;
    for (clsUnits* catalogue : Catalogues(f.run)) {
        for (clsTorviUnit* member : Stored(f.run, catalogue))
            member->SetCurrUnit(static_cast<int16_t>(1 + offset++ % member->UnitSize()));
        ++offset;
    }
    const std::string path = f.dir.File("all.unt");
    ASSERT_TRUE(f.io.SaveUnits(path, f.run));

    Fixture fresh;
    ASSERT_TRUE(fresh.io.LoadUnits(path, fresh.run)) << fresh.io.errStr;
    EXPECT_EQ(CurrentUnits(fresh.run), CurrentUnits(f.run));
    EXPECT_EQ(fresh.io.fileName, path);
    EXPECT_FALSE(Units_IO::UnitsHaveChanged(fresh.run));  // loading leaves the changed flags alone
}

TEST(Units_IO, SavingClearsOnlyTheMainCataloguesChangedFlag)
{
    Fixture f;
    EXPECT_FALSE(Units_IO::UnitsHaveChanged(f.run));
    f.run.fire_pg_units.CvtCanopyBD(2, 0.1);
    EXPECT_TRUE(Units_IO::UnitsHaveChanged(f.run));
    f.run.units.CvtROS(3, 1);
    ASSERT_TRUE(f.io.SaveUnits(f.dir.File("s.unt"), f.run));
    EXPECT_FALSE(f.run.units.UnitsChanged());
    EXPECT_TRUE(f.run.fire_pg_units.UnitsChanged());
    EXPECT_TRUE(Units_IO::UnitsHaveChanged(f.run));
}

TEST(Units_IO, CommentsBlankLinesBlanksAndAnyLineEndAreRead)
{
    Fixture f;
    std::string text = NativeFile();
    text.replace(text.find("MAIN IN: 1|+|1"), 14, "  MAIN IN: 2 |+|  1");
    text.replace(text.find("HAZD OUT: 1|+|1|+|1|+|1|+|1"), 27, "HAZD OUT: 1|+|1|+|1|+|1|+| 5 ");
    text = "# units for the ridge\r\n\r\n   # indented comment\r\n" + text;
    text.insert(text.find("TBLC HCROWN"), "\t\r\n#\r\n");
    for (const char* ending : {"\n", "\r"}) {
        std::string converted;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                converted += ending;
                ++i;
            } else {
                converted += text[i];
            }
        }
        Fixture g;
        ASSERT_TRUE(g.io.LoadUnits(g.dir.Write("ending.unt", converted), g.run)) << g.io.errStr;
        EXPECT_EQ(g.run.units.CanopyBDInUnits.GetCurrUnit(), 2);
        EXPECT_EQ(g.run.haz_units.CROSOutUnits.GetCurrUnit(), 5);
        EXPECT_EQ(g.run.haz_units.ROSOutUnits.GetCurrUnit(), 1);
    }
    ASSERT_TRUE(f.io.LoadUnits(f.dir.Write("c.unt", text), f.run)) << f.io.errStr;
    EXPECT_EQ(f.run.units.CanopyBDInUnits.GetCurrUnit(), 2);
}

TEST(Units_IO, AFaultyFileChangesNothingAndNamesTheLine)
{
    struct Case {
        std::string from, to;  // the native file with this text replaced
        std::string message;
    };
    const std::string mainOut = "MAIN OUT: " + Ones(14);
    const std::vector<Case> cases = {
        {"MAIN IN: ", "MAIN IN:", "Malformed unit record: expected MAIN IN:  at line 2"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: ", "Missing unit data value at line 1"},
        {"FIRE HCROWN: 1", "FIRE HCROWN:  |+| ", "Missing unit data value at line 12"},
        {"HAZD IN: 1|+|1|+|1|+|1", "HAZD IN: 1|+|2|+|1", "Wrong number of unit data values at line 9"},
        {"TBLC PGIN: 1|+|1|+|1|+|1", "TBLC PGIN: 1|+|1|+|1|+|1|+|1", "Wrong number of unit data values at line 7"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: 1.5", "Invalid unit data value at line 1"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: 3", "Invalid unit data value at line 1"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: 0", "Invalid unit data value at line 1"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: -1", "Invalid unit data value at line 1"},
        {"MAIN HCROWN: 1", "MAIN HCROWN: two", "Invalid unit data value at line 1"},
        {"MAIN IN: 1|+|1", "MAIN IN: 1||+|1", "Invalid unit data value at line 2"},
        // The spread rates have five units: 5 is the last, 6 is none.
        {mainOut, "MAIN OUT: 1|+|1|+|1|+|1|+|6|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1|+|1", "Invalid unit data value at line 3"},
        {"HAZD HCROWN", "HAZD HCROWNS", "Malformed unit record: expected HAZD HCROWN:  at line 8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        Fixture f;
        ASSERT_TRUE(f.io.LoadUnits(f.dir.Write("good.unt", NativeFile()), f.run));
        f.run.units.CvtFLen(2, 1);
        f.run.fire_units.ROSOutUnits.SetCurrUnit(4);
        const std::vector<int16_t> before = CurrentUnits(f.run);
        std::string text = NativeFile();
        text.replace(text.find(c.from), c.from.size(), c.to);
        EXPECT_FALSE(f.io.LoadUnits(f.dir.Write("bad.unt", text), f.run));
        EXPECT_EQ(f.io.errStr, c.message);
        EXPECT_EQ(CurrentUnits(f.run), before);
        EXPECT_EQ(f.io.fileName, f.dir.File("good.unt"));
    }
}

TEST(Units_IO, AFileEndingAfterTheMainRecordsFailsOnTheTableRecord)
{
    Fixture f;
    const std::string text = NativeFile().substr(0, NativeFile().find("TBLC")) + "# end of main\r\n\r\n";
    EXPECT_FALSE(f.io.LoadUnits(f.dir.Write("cut.unt", text), f.run));
    EXPECT_EQ(f.io.errStr, "Malformed unit record: expected TBLC HCROWN:  at line 5");
    EXPECT_FALSE(f.io.IsLoaded());
}

TEST(Units_IO, FilesThatCannotBeOpened)
{
    Fixture f;
    const std::string missing = f.dir.File("none.unt");
    EXPECT_FALSE(f.io.LoadUnits(missing, f.run));
    EXPECT_EQ(f.io.errStr, "Failed to open Units file: " + missing);
    EXPECT_FALSE(f.io.IsLoaded());
    EXPECT_FALSE(f.io.LoadUnits(f.dir.path.string(), f.run));  // a folder is not a file to open
    EXPECT_EQ(f.io.errStr, "Failed to open Units file: " + f.dir.path.string());
    // Lines that cannot be read: the process's memory at offset 0, a line over 1 MiB.
    EXPECT_FALSE(f.io.LoadUnits("/proc/self/mem", f.run));
    EXPECT_EQ(f.io.errStr, "Failed to read Units file: /proc/self/mem (Input/output error)");
    const std::string huge = f.dir.Write("huge.unt", "# set\r\n" + std::string(2 << 20, ' ') + NativeFile());
    EXPECT_FALSE(f.io.LoadUnits(huge, f.run));
    EXPECT_EQ(f.io.errStr, "Line number 2 of Units file: " + huge + " is longer than 1048576 characters");
    EXPECT_FALSE(f.io.IsLoaded());

    f.run.units.CvtROS(2, 1);
    const std::string unwritable = f.dir.File("no folder/set.unt");
    EXPECT_FALSE(f.io.SaveUnits(unwritable, f.run));
    EXPECT_EQ(f.io.errStr, "Failed to open Units file: " + unwritable);
    EXPECT_EQ(f.io.fileName, "");
    EXPECT_TRUE(f.run.units.UnitsChanged());
}

// The two sets shipped in userfiles put every quantity with a choice into its English or its
// metric unit, on every page and tab.
TEST(Units_IO, TheShippedEnglishAndMetricSets)
{
    const std::set<std::string> english = {"btu/lb", "lbs/ft3", "feet", "mi/hr", "BTU/ft-sec", "ch/hr", "BTU/ft2"};
    const std::set<std::string> metric = {"kJ/kg", "kg/m3", "meters", "km/hr", "kW/m", "m/min", "kJ/m2"};
    for (const auto& [file, labels] : {std::pair{"english.unt", english}, std::pair{"metric.unt", metric}}) {
        SCOPED_TRACE(file);
        Fixture f;
        ASSERT_TRUE(f.io.LoadUnits(std::string(ORVANE_BIN_DIR) + "/userfiles/" + file, f.run)) << f.io.errStr;
        for (clsUnits* catalogue : Catalogues(f.run))
            for (clsTorviUnit* member : Stored(f.run, catalogue))
                EXPECT_TRUE(labels.count(member->UnitLbl(member->GetCurrUnit())))
                    << member->UnitLbl(member->GetCurrUnit());
    }
}
