#include "tables/ChartTemplate_IO.h"

#include "base/NumberText.h"
#include "base/clsLineReader.h"

#include <charconv>
#include <functional>
#include <map>

namespace {

using Setter = std::function<bool(const std::string& value, clsChartTemplate& look)>;

bool Whole(const std::string& text, int lowest, int highest, int& value)
{
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < lowest || parsed > highest)
        return false;
    value = parsed;
    return true;
}

bool Flag(const std::string& text, bool& value)
{
    if (text != "true" && text != "false")
        return false;
    value = text == "true";
    return true;
}

bool Colour(const std::string& text, uint32_t& value)
{
    if (text.size() != 7 || text[0] != '#')
        return false;
    uint32_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + text.size(), parsed, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

bool Font(const std::string& text, std::string& value)
{
    if (text.empty())
        return false;
    value = text;
    return true;
}

bool Legend(const std::string& text, clsChartTemplate::LegendPosition& value)
{
    using P = clsChartTemplate::LegendPosition;
    static const std::map<std::string, P> places{{"top", P::Top}, {"bottom", P::Bottom}, {"left", P::Left},
                                                 {"right", P::Right}};
    const auto place = places.find(text);
    if (place == places.end())
        return false;
    value = place->second;
    return true;
}

const std::map<std::string, Setter>& Settings()
{
    using T = clsChartTemplate;
    static const std::map<std::string, Setter> settings = [] {
        std::map<std::string, Setter> s{
            {"header.font", [](const std::string& v, T& t) { return Font(v, t.headerFont); }},
            {"header.size", [](const std::string& v, T& t) { return Whole(v, 4, 72, t.headerSize); }},
            {"header.bold", [](const std::string& v, T& t) { return Flag(v, t.headerBold); }},
            {"labels.font", [](const std::string& v, T& t) { return Font(v, t.labelFont); }},
            {"labels.size", [](const std::string& v, T& t) { return Whole(v, 4, 72, t.labelSize); }},
            {"legend.position", [](const std::string& v, T& t) { return Legend(v, t.legendPosition); }},
            {"background", [](const std::string& v, T& t) { return Colour(v, t.background); }},
            {"plot.background", [](const std::string& v, T& t) { return Colour(v, t.plotBackground); }},
            {"grid", [](const std::string& v, T& t) { return Flag(v, t.gridLines); }},
            {"line.width", [](const std::string& v, T& t) { return Whole(v, 1, 10, t.lineWidth); }},
            {"markers", [](const std::string& v, T& t) { return Flag(v, t.markers); }},
        };
        for (std::size_t i = 0; i < T::SeriesColourCount; ++i)
            s["series." + std::to_string(i + 1) + ".colour"] = [i](const std::string& v, T& t) {
                return Colour(v, t.seriesColours[i]);
            };
        return s;
    }();
    return settings;
}

}  // namespace

bool ChartTemplate_IO::LoadTemplate(const std::string& fileName, clsChartTemplate& chartTemplate)
{
    errStr.clear();
    clsLineReader file;
    if (!file.Open(fileName)) {
        errStr = "Failed to open Chart template file: " + fileName;
        return false;
    }
    clsChartTemplate look = chartTemplate;
    std::string line;
    clsLineReader::Result result;
    while ((result = file.ReadLine(line)) == clsLineReader::Result::Line) {
        const std::string text = NumberText::NormaliseBlanks(line);
        if (text.empty() || text[0] == '#')
            continue;
        const auto equals = text.find('=');
        const std::string key = NumberText::NormaliseBlanks(text.substr(0, equals));
        const auto setting = Settings().find(key);
        const std::string where = " in line number " + std::to_string(file.LineNumber()) + " of " + fileName;
        if (equals == std::string::npos || setting == Settings().end()) {
            errStr = "Unknown chart template setting" + where;
            return false;
        }
        if (!setting->second(NumberText::NormaliseBlanks(text.substr(equals + 1)), look)) {
            errStr = "Invalid value of " + key + where;
            return false;
        }
    }
    if (result != clsLineReader::Result::End) {
        errStr = file.ProblemText(result, "Chart template file: " + fileName);
        return false;
    }
    chartTemplate = look;
    return true;
}
