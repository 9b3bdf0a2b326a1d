#include "base/clsUtils.h"


#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

TEST(clsUtils, MaxAndMinKeepTheEarlierArgumentOnTies)
{
    EXPECT_EQ(clsUtils::max(3, 5, 4), 5);
    EXPECT_EQ(clsUtils::max(16 - 20, 1), 1);
    EXPECT_EQ(clsUtils::min(2, 7), 2);
    // Ties: -0.0 and 0.0 compare equal, so the sign tells which one came back.
    EXPECT_TRUE(std::signbit(clsUtils::max(-0.0, 0.0)));
    EXPECT_FALSE(std::signbit(clsUtils::max(0.0, -0.0, -0.0)));
    EXPECT_TRUE(std::signbit(clsUtils::min(-0.0, 0.0)));
}

TEST(clsUtils, SplitPathAndFileAcceptsBothSeparators)
{
    struct Case {
        std::string path, folder, name, extension;
    };
    const Case cases[] = {
        {"C:\\data\\fires.scn", "C:\\data\\", "fires.scn", "scn"},
        {"/home/analyst/fires.scn", "/home/analyst/", "fires.scn", "scn"},
        {"/home/analyst\\mixed/run.1.run", "/home/analyst\\mixed/", "run.1.run", "run"},
        {"fires", "", "fires", "fires"},
        {"/data/", "/data/", "", ""},
    };
    for (const Case& c : cases) {
        std::string folder = "x", name = "x", extension = "x";
        clsUtils::SplitPathAndFile(c.path, folder, name, extension);
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
        EXPECT_EQ(extension, c.extension) << c.path;
    }
}

TEST(clsUtils, AspectNamesCoverTheCompass)
{
    const std::pair<int32_t, std::string> cases[] = {
        {0, "North"},       {22, "North"},      {23, "NorthEast"}, {67, "NorthEast"}, {68, "East"},
        {112, "East"},      {113, "SouthEast"}, {157, "SouthEast"}, {158, "South"},   {202, "South"},
        {203, "SouthWest"}, {247, "SouthWest"}, {248, "West"},      {292, "West"},    {293, "NorthWest"},
        {337, "NorthWest"}, {338, "North"},     {360, "North"},     {361, "361 degrees from north"},
        {400, "400 degrees from north"},        {-1, "-1 degrees from north"},
    };
    for (const auto& [degrees, name] : cases)
        EXPECT_EQ(clsUtils::AspectName(degrees), name) << degrees;
}

TEST(clsUtils, FileExistsOnlyForRegularFiles)
{
    const auto folder = std::filesystem::temp_directory_path() / "orvane_utils_test";
    std::filesystem::create_directories(folder);
    const auto file = folder / "present.txt";
    std::ofstream(file) << "x";
    EXPECT_TRUE(clsUtils::FileExists(file.string()));
    EXPECT_FALSE(clsUtils::FileExists((folder / "absent.txt").string()));
    EXPECT_FALSE(clsUtils::FileExists(folder.string()));
    EXPECT_FALSE(clsUtils::FileExists(""));
    std::filesystem::remove_all(folder);
}

TEST(clsUtils, MakePathRelativeClimbsAndDescends)
{
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(clsUtils::MakePathRelative("/data/runs/a.run", "/data/runs"), "." + sep + "a.run");
    EXPECT_EQ(clsUtils::MakePathRelative("/data/runs/a.run", "/data/runs/"), "." + sep + "a.run");
    EXPECT_EQ(clsUtils::MakePathRelative("/data/runs/a.run", "/data/runs/old"), ".." + sep + "a.run");
    EXPECT_EQ(clsUtils::MakePathRelative("/data/scn/x/b.scn", "/data/runs/old"),
              ".." + sep + ".." + sep + "scn" + sep + "x" + sep + "b.scn");
    EXPECT_EQ(clsUtils::MakePathRelative("C:\\data\\units\\u.unt", "C:\\data"), "." + sep + "units" + sep + "u.unt");
    EXPECT_EQ(clsUtils::MakePathRelative("D:\\x.run", "C:\\data"), "D:\\x.run");
}

TEST(clsUtils, NumericHelpers)
{
    EXPECT_DOUBLE_EQ(clsUtils::m2_to_acres(10000), 2.47104414707877);
    EXPECT_NEAR(clsUtils::Log10(1000), 3, 1e-11);
    EXPECT_DOUBLE_EQ(clsUtils::Log10(1), 0);
}

