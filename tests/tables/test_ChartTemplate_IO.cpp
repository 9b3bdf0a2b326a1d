// The chart template reader.

#include "tables/ChartTemplate_IO.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(ChartTemplate_IO, ReadsEverySettingWithAnyLineEnd)
{
    TempDir folder;
    const std::string file = folder.Write("look.oc2",
                                          "# a look\r\n"
                                          "header.font =  Liberation   Serif \r\n"
                                          "header.size=14\n"
                                          "header.bold = false\r"
                                          "\r\n"
                                          "   # indented comment\r\n"
                                          "labels.font = Noto Sans\r\nlabels.size = 7\r\n"
                                          "legend.position = bottom\r\nbackground = #102030\r\n"
                                          "plot.background = #fafafa\r\ngrid = false\r\nline.width = 3\r\n"
                                          "markers = false\r\nseries.8.colour = #000001\r\n");
    ChartTemplate_IO reader;
    clsChartTemplate look;
    ASSERT_TRUE(reader.LoadTemplate(file, look)) << reader.errStr;
    EXPECT_EQ(look.headerFont, "Liberation Serif");
    EXPECT_EQ(look.headerSize, 14);
    EXPECT_FALSE(look.headerBold);
    EXPECT_EQ(look.labelFont, "Noto Sans");
    EXPECT_EQ(look.labelSize, 7);
    EXPECT_EQ(look.legendPosition, clsChartTemplate::LegendPosition::Bottom);
    EXPECT_EQ(look.background, 0x102030u);
    EXPECT_EQ(look.plotBackground, 0xFAFAFAu);
    EXPECT_FALSE(look.gridLines);
    EXPECT_EQ(look.lineWidth, 3);
    EXPECT_FALSE(look.markers);
    EXPECT_EQ(look.seriesColours[7], 0x000001u);
    EXPECT_EQ(look.seriesColours[0], clsChartTemplate().seriesColours[0]);  // left out: kept
}

TEST(ChartTemplate_IO, AFaultyFileLeavesTheLookAsItWas)
{
    TempDir folder;
    const std::pair<std::string, std::string> faults[] = {
        {"header.size = 12\r\nheader.size = big\r\n", "Invalid value of header.size in line number 2 of "},
        {"header.size = 0\r\n", "Invalid value of header.size in line number 1 of "},
        {"# x\r\nlegend.position = middle\r\n", "Invalid value of legend.position in line number 2 of "},
        {"background = #12345\r\n", "Invalid value of background in line number 1 of "},
        {"background = red\r\n", "Invalid value of background in line number 1 of "},
        {"grid = yes\r\n", "Invalid value of grid in line number 1 of "},
        {"series.13.colour = #000000\r\n", "Unknown chart template setting in line number 1 of "},
        {"header.size 12\r\n", "Unknown chart template setting in line number 1 of "},
        {"header.font =\r\n", "Invalid value of header.font in line number 1 of "},
    };
    for (const auto& [text, message] : faults) {
        const std::string file = folder.Write("bad.oc2", text);
        ChartTemplate_IO reader;
        clsChartTemplate look;
        look.headerSize = 20;
        EXPECT_FALSE(reader.LoadTemplate(file, look)) << text;
        EXPECT_EQ(reader.errStr, message + file) << text;
        EXPECT_EQ(look.headerSize, 20) << text;
    }
    ChartTemplate_IO reader;
    clsChartTemplate look;
    EXPECT_FALSE(reader.LoadTemplate(folder.File("absent.oc2"), look));
    EXPECT_EQ(reader.errStr, "Failed to open Chart template file: " + folder.File("absent.oc2"));
    EXPECT_FALSE(reader.LoadTemplate(folder.path.string(), look));
    EXPECT_EQ(reader.errStr, "Failed to open Chart template file: " + folder.path.string());
    EXPECT_FALSE(reader.LoadTemplate("/proc/self/mem", look));
    EXPECT_EQ(reader.errStr, "Failed to read Chart template file: /proc/self/mem (Input/output error)");
}

TEST(ChartTemplate_IO, TheShippedTemplateReads)
{
    ChartTemplate_IO reader;
    clsChartTemplate look;
    EXPECT_TRUE(reader.LoadTemplate(ORVANE_BIN_DIR "/OutputChart.oc2", look)) << reader.errStr;
}
