// `orvane-batch --chart` run as a user runs it, with no display: the three kinds of chart, their
// formats and units, its exit statuses, and the picture of the window's capture, pixel for pixel.

#include "window/TorviForm.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ChartCommands.h"
#include "window/ctlRowInput.h"

#include "support/CaptureDialogSupport.h"
#include "support/MainWindowTestSupport.h"
#include "support/QtTyping.h"
#include "support/TempDir.h"
#include "support/ToolRunner.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include <fstream>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Choose;
using MainWindowTestSupport::Grass;
using MainWindowTestSupport::Timber;

// The text of an SVG file, or "" when it is not well-formed XML.
QString SvgText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "";
    QXmlStreamReader xml(&file);
    QString text;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::Characters)
            text += xml.text().toString() + "\n";
    return xml.hasError() ? "" : text;
}

int PdfPageCount(const std::string& bytes)
{
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    int pages = 0;
    for (auto match = page.globalMatch(QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())));
         match.hasNext(); match.next())
        ++pages;
    return pages;
}

}  // namespace

class TestChartCommand : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    QTemporaryDir work;

    // The two scenarios of the window tests, in a scenario input file.
    std::string Input()
    {
        const std::string path = work.filePath("stands.scn").toStdString();
        std::ofstream(path, std::ios::binary) << "# stands\r\n"
                                              << Grass << " North\r\n"
                                              << Timber << " Ridge\r\n";
        return path;
    }

    // orvane-batch with its arguments, with no display to be found.
    ToolResult Chart(const std::string& arguments)
    {
        return RunTool("/usr/bin/env", work.path().toStdString(),
                       "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" ORVANE_BIN_DIR "/orvane-batch' " + arguments,
                       work.path().toStdString());
    }

private slots:
    void cleanup() { form.reset(); }

    void everyKindIsDrawnWithoutADisplay()
    {
        const std::string input = Input();
        const struct {
            std::string arguments;
            QString file;
            QString expected;  // a text of the picture
        } cases[] = {
            {"--chart hazard --scenario 2 --range 0:40:1", "hazard.svg", "Crown Fire Hazard Assessment Chart"},
            {"--chart fire --scenario 2 --curves FLIN", "fire.svg", "Fireline Intensity (BTU/ft-sec)"},
            {"--chart output --row OWND --range 0:20:2 --page SLOP=30 --output SPRT", "output.svg", "Slope 30"},
            {"--chart hazard --scenario 2 --range 0:60:5 --units '" ORVANE_BIN_DIR "/userfiles/metric.unt'",
             "metric.svg", "Open Wind Speed (km/hr)"},
        };
        for (const auto& c : cases) {
            const ToolResult result = Chart(c.arguments + " '" + input + "' " + c.file.toStdString());
            QVERIFY2(result.status == 0, result.err.c_str());
            const QString text = SvgText(work.filePath(c.file));
            QVERIFY2(text.contains(c.expected), qPrintable(c.file + ": " + text.left(400)));
        }
        // The hazard chart tells its indices in the picture, in the units set's wind unit.
        QVERIFY(SvgText(work.filePath("hazard.svg")).contains(QRegularExpression(R"(TI \d+\.\d mi/hr, CI \d+\.\d mi/hr)")));
        QVERIFY(SvgText(work.filePath("metric.svg")).contains(QRegularExpression(R"(TI \d+\.\d km/hr)")));

        // Raster images of the size and resolution asked for; one PDF page.
        QVERIFY(Chart("--chart fire --scenario 2 --size 1200x800 --dpi 150 '" + input + "' fire.png").status == 0);
        QImage png(work.filePath("fire.png"));
        QCOMPARE(png.size(), QSize(1200, 800));
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 150);
        QVERIFY(Chart("--chart hazard --range 0:20:1 '" + input + "' north.jpg").status == 0);
        QCOMPARE(QImageReader(work.filePath("north.jpg")).format(), QByteArray("jpeg"));
        QCOMPARE(QImageReader(work.filePath("north.jpg")).size(), QSize(1600, 1000));
        QVERIFY(Chart("--chart output --row 10 --range 0:20:2 --output 2 '" + input + "' output.pdf").status == 0);
        QCOMPARE(PdfPageCount(ReadBytes(work.filePath("output.pdf").toStdString())), 1);
    }

    void exitStatusesAreTheTableCommands()
    {
        const std::string input = "'" + Input() + "'";
        const struct {
            std::string arguments;
            int status;
        } cases[] = {
            {"--chart pie " + input + " a.png", 2},
            {"--chart hazard --range 0:500:1 " + input + " a.png", 2},
            {"--chart hazard --range 0:20:1 " + input + " a.gif", 2},
            {"--chart fire --page SLOP=x " + input + " a.png", 2},
            {"--chart fire --scenario 9 " + input + " a.png", 1},
            {"--chart fire " + input + " taken.png", 1},
            {"--chart fire --force " + input + " taken.png", 0},
        };
        std::ofstream(work.filePath("taken.png").toStdString()) << "an earlier picture";
        for (const auto& c : cases) {
            const ToolResult result = Chart(c.arguments);
            QVERIFY2(result.status == c.status, qPrintable(QString::fromStdString(c.arguments + ": " + result.err)));
        }
        QVERIFY(!QFile::exists(work.filePath("a.png")));
    }

    // The window's capture and the command draw the same picture for the same selections and size.
    void theCommandDrawsTheWindowsCapture()
    {
        StartWithGrassAndTimber();
        const std::string input = Input();
        ClickTab(3);
        HazChartTab& hazard = *Child<HazChartTab>(*form, "hazChartTab");
        Choose(hazard.cmboHazScenario, " Ridge");
        TypeInto(form.get(), hazard.rowInHazard->txtRowMin, "0");
        TypeInto(form.get(), hazard.rowInHazard->txtRowMax, "30");
        TypeInto(form.get(), hazard.rowInHazard->txtRowStep, "1");
        const auto capture = [this](QPushButton* button, const QString& name) {
            ui.chosenFiles.push_back(work.filePath(name).toStdString());
            CaptureDialogAnswer size{900, 600, 120};
            size.Arm();
            QTest::mouseClick(button, Qt::LeftButton);
        };
        capture(hazard.btnCaptureHazChart, "window-hazard.png");
        ClickTab(4);
        Choose(Child<FireTab>(*form, "fireTab")->cmboFireScenario, " Ridge");
        capture(Child<FireTab>(*form, "fireTab")->btnCaptureFireChart, "window-fire.png");
        const std::pair<std::string, QString> commands[] = {
            {"--chart hazard --scenario 2 --range 0:30:1", "hazard"}, {"--chart fire --scenario 2", "fire"}};
        for (const auto& [arguments, kind] : commands) {
            const ToolResult result =
                Chart(arguments + " --size 900x600 --dpi 120 '" + input + "' command-" + kind.toStdString() + ".png");
            QVERIFY2(result.status == 0, result.err.c_str());
            const QImage window(work.filePath("window-" + kind + ".png"));
            const QImage command(work.filePath("command-" + kind + ".png"));
            QCOMPARE(window.size(), QSize(900, 600));
            QCOMPARE(command.size(), window.size());
            QVERIFY2(command == window, qPrintable(kind));
        }
    }
};

QTEST_MAIN(TestChartCommand)
#include "gui_ChartCommand.moc"
