#pragma once

#include "support/SplitMix.h"

#include <cstdint>
#include <iterator>
#include <string>

// A large scenario input file generated the same way on every machine, for the tests that hold
// batch processing to the same output bytes however it runs: every simulation type with every
// standard fuel model as the low model, shrub and other high models, values at and beyond the
// limits of their ranges, numbers written every way the reader accepts them ("+1.5", ".75", "3.",
// "1E+1", "N/A", moistures halfway between whole numbers), names of several words, none, or
// "N/A", blanks and tabs and the 16-column grid, CR LF, LF and CR line ends, comment and blank
// lines, and records that give error lines: values out of range or not numbers, and records the
// engine cannot calculate (an unknown fuel model, an unknown simulation type, a shrub canopy too
// wet to burn). No line has too few values: every record gives a line of the output.
namespace GeneratedBatch {

class Draw : public SplitMix {
public:
    Draw() : SplitMix(4242) {}
    bool Chance(int perMille) { return Int(1, 1000) <= perMille; }
    template <std::size_t N>
    const char* Pick(const char* const (&texts)[N])
    {
        return texts[Next() % N];
    }
};

inline const int StandardModels[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  101,
                                     102, 103, 104, 105, 106, 107, 108, 109, 121, 122, 123, 124, 141, 142,
                                     143, 144, 145, 146, 147, 148, 149, 161, 162, 163, 164, 165, 181, 182,
                                     183, 184, 185, 186, 187, 188, 189, 201, 202, 203, 204};

// A number from low to high with up to that many decimals (none at high itself).
inline std::string Decimal(Draw& draw, int low, int high, int decimals)
{
    const int whole = draw.Int(low, high);
    if (decimals == 0 || whole == high)
        return std::to_string(whole);
    std::string fraction = std::to_string(draw.Int(0, decimals == 1 ? 9 : decimals == 2 ? 99 : 999));
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return std::to_string(whole) + "." + fraction;
}

inline std::string Multiplier(Draw& draw)
{
    if (draw.Chance(850))
        return "1";
    static const char* const forms[] = {"0.2", "5", "0.5", "2", "1.25", "+1.5", ".75", "3.", "1E+0", "4.99", "0.21"};
    return draw.Pick(forms);
}

inline std::string Moisture(Draw& draw, int low, int high)
{
    if (draw.Chance(30))
        return std::to_string(draw.Int(low, high - 1)) + ".5";  // halfway: to the even neighbour
    if (draw.Chance(5))
        return draw.Pick({"N/A", "60", "0", "300", "30"});
    return std::to_string(draw.Int(low, high));
}

// A record in one of the layouts, or (padded) always in the 16-column grid the writer lays out.
inline std::string Record(Draw& draw, int index, bool padded = false)
{
    const int type = draw.Chance(3) ? draw.Int(4, 5) : 1 + index % 3;
    const int low = draw.Chance(3) ? 99 : StandardModels[(index / 3) % std::size(StandardModels)];
    static const int shrubs[] = {4, 5, 141, 142, 143, 144, 145, 146, 147, 148, 149, 6, 7};
    const int high = draw.Chance(300) ? StandardModels[draw.Next() % std::size(StandardModels)]
                                      : shrubs[draw.Next() % std::size(shrubs)];
    std::string values[24] = {
        std::to_string(type),
        std::to_string(low),
        draw.Chance(20) ? draw.Pick({"1", "0.1", "1E-1", ".4", "0.09"}) : "0." + std::to_string(draw.Int(1, 9)),
        Multiplier(draw),
        Multiplier(draw),
        Multiplier(draw),
        std::to_string(high),
        "0." + std::to_string(draw.Int(1, 9)),
        Multiplier(draw),
        Multiplier(draw),
        Multiplier(draw),
        Moisture(draw, 2, 20),
        Moisture(draw, 3, 25),
        Moisture(draw, 4, 30),
        Moisture(draw, 30, 300),
        Moisture(draw, 30, 300),
        draw.Chance(30) ? draw.Pick({"0", "1", "1.0", ".05", "0.001"}) : Decimal(draw, 0, 1, 2),
        Decimal(draw, 0, 40, 1),
        Decimal(draw, 0, 14, 2),
        std::to_string(draw.Int(70, 120)),
        Decimal(draw, 0, 30, 1),
        draw.Chance(50) ? draw.Pick({"0", "60", "59.99", "0.01", "1E+1"}) : Decimal(draw, 0, 59, 1),
        std::to_string(draw.Chance(50) ? draw.Int(0, 1) * 100 : draw.Int(0, 100)),
        std::to_string(draw.Int(0, 360)),
    };
    // A shrub canopy too wet to burn: the engine cannot combine the two fires.
    if (type == 1 && draw.Chance(40)) {
        values[6] = "4";
        values[11] = values[12] = values[13] = "40";
    }
    // Out of range, or not a number.
    if (draw.Chance(20)) {
        static const char* const outside[] = {"61", "-1", "301", "29", "1.01", "100", "121", "69", "16", "0.09", "5.1"};
        static const int fields[] = {11, 12, 13, 14, 15, 16, 17, 19, 18, 2, 3, 21, 22, 23, 20, 7, 9};
        values[fields[draw.Next() % std::size(fields)]] = draw.Pick(outside);
    }
    if (draw.Chance(8))
        values[draw.Int(0, 23)] = draw.Pick({"abc", "1,5", "1..2", "nan", "0x10", "--1", "1e"});

    std::string line = draw.Chance(20) ? "  " : "";
    const int layout = padded ? 1 : draw.Int(1, 100);
    for (const std::string& value : values) {
        line += value;
        if (layout <= 10)
            line += std::string(value.size() < 16 ? 16 - value.size() : 1, ' ');
        else if (layout <= 15)
            line += draw.Chance(500) ? "\t" : " \t  ";
        else
            line += " ";
    }
    if (!draw.Chance(30))
        line += draw.Chance(50) ? draw.Pick({"N/A", "Ridge\ttop", "  two   words", "a\tb\tc"})
                                : "Stand " + std::to_string(index);
    if (draw.Chance(10))
        line += " \t";
    return line;
}

// The whole input file: a header comment and records, with comment and blank lines among them; with
// padded, every record in the grid of the files the program writes.
inline std::string Input(int records, bool padded = false)
{
    Draw draw;
    std::string text = "# generated batch\r\n#-----\r\n";
    for (int r = 0; r < records; ++r) {
        if (draw.Chance(5))
            text += draw.Pick({"# a comment\r\n", "\r\n", "   \t\r\n", "   # indented comment\n"});
        text += Record(draw, r, padded);
        text += draw.Chance(980) ? "\r\n" : draw.Chance(500) ? "\n" : "\r";
    }
    return text;
}

}  // namespace GeneratedBatch
