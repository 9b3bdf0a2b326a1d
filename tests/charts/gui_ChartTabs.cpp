// The hazard chart and fire characteristics chart tabs of the main window, driven as the analyst
// drives them.

#include "base/FileDlg.h"
#include "window/TablesTab.h"
#include "window/TorviForm.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ctlFireChart.h"
#include "window/ctlHazChart.h"
#include "window/ctlIn.h"
#include "window/ctlOutputChart.h"
#include "runs/clsRun.h"
#include "window/CaptureDialog.h"
#include "window/ChartCommands.h"
#include "window/ChartPicture.h"
#include "window/ctlColOutput.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include "support/CaptureDialogSupport.h"
#include "support/MainWindowTestSupport.h"
#include "support/QtTyping.h"
#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QValueAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScatterSeries>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest>
#include <QClipboard>
#include <QGraphicsSimpleTextItem>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>

#include <fstream>
#include <memory>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Command;
using MainWindowTestSupport::Choose;

using MainWindowTestSupport::Grass;
using MainWindowTestSupport::Timber;
constexpr int OutputChartPage = 2;
constexpr int HazardPage = 3;
constexpr int FirePage = 4;

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList Names(const std::vector<QLineSeries*>& series)
{
    QStringList names;
    for (const QLineSeries* line : series)
        names << line->name();
    return names;
}

// Once the legend has laid its entries out.
bool LegendShows(QChart& chart, QAbstractSeries* series)
{
    QCoreApplication::processEvents();
    return chart.legend()->markers(series).front()->isVisible();
}

// Where the shown leaves of an item are, in scene coordinates: a legend's entries.
QRectF ShownArea(const QGraphicsItem& item)
{
    QRectF area;
    for (const QGraphicsItem* child : item.childItems())
        if (child->isVisible())
            area |= child->childItems().isEmpty() ? child->sceneBoundingRect() : ShownArea(*child);
    return area;
}

// The legend's entries as the chart shows them, in order.
QStringList LegendEntries(QChart& chart)
{
    QCoreApplication::processEvents();
    QStringList entries;
    for (QLegendMarker* marker : chart.legend()->markers())
        if (marker->isVisible() && marker->series()->isVisible())
            entries << marker->label();
    return entries;
}

// The texts written on the plot (markers and curve labels), shown ones only, with where they are.
std::vector<QGraphicsSimpleTextItem*> PlotTexts(ctlChart& chart)
{
    std::vector<QGraphicsSimpleTextItem*> texts;
    for (QGraphicsItem* item : chart.chart->childItems()) {
        auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item);
        if (text && text != chart.legendTitle && text != chart.caption && text->isVisible())
            texts.push_back(text);
    }
    return texts;
}

QStringList Texts(const std::vector<QGraphicsSimpleTextItem*>& items)
{
    QStringList texts;
    for (const QGraphicsSimpleTextItem* item : items)
        texts << item->text();
    return texts;
}

// A PDF's pages and the size of the first, in points.
std::pair<int, QSizeF> PdfPages(const std::string& bytes)
{
    static const QRegularExpression page(R"(/Type\s*/Page[^s])");
    static const QRegularExpression box(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
    const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    int pages = 0;
    for (auto match = page.globalMatch(text); match.hasNext(); match.next())
        ++pages;
    const QRegularExpressionMatch size = box.match(text);
    return {pages, size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) : QSizeF()};
}

}  // namespace

class TestChartTabs : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    HazChartTab& Hazard() { return *Child<HazChartTab>(*form, "hazChartTab"); }
    ctlHazChart& HazardChart() { return *Hazard().tvHazChart; }
    FireTab& FireView() { return *Child<FireTab>(*form, "fireTab"); }
    ctlFireChart& FireChart() { return *FireView().tvFireChart; }

    void Type(QLineEdit* box, const QString& text) { TypeInto(form.get(), box, text); }

    // A click on the check box's mark.
    void Click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }


    // The chart captured through its button, at the size typed into the capture dialog, into a
    // file of that name.
    void Capture(QPushButton* button, const QString& name, const char* title, CaptureDialogAnswer&& size = {})
    {
        Capture(button, name, title, size);
    }
    void Capture(QPushButton* button, const QString& name, const char* title, CaptureDialogAnswer& size)
    {
        const std::string path = dir.filePath(name).toStdString();
        ui.chosenFiles.push_back(path);
        size.Arm();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(ui.fileRequests.back().title, std::string(title));
        QCOMPARE(ui.fileRequests.back().filter, std::string(ChartCommands::CaptureFilter));
    }

    // A raster capture: its format, size and resolution.
    void CaptureImage(QPushButton* button, const QString& name, const char* title)
    {
        Capture(button, name, title);
        QImageReader reader(dir.filePath(name));
        QCOMPARE(reader.format(), name.endsWith(".jpg", Qt::CaseInsensitive) ? QByteArray("jpeg") : QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(800, 500));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 100);
    }

private slots:
    void init()
    {
        StartWithGrassAndTimber();
    }

    void cleanup() { form.reset(); }

    void theHazardChartShowsTheChosenScenario()
    {
        ClickTab(HazardPage);
        QCOMPARE(Items(Hazard().cmboHazScenario), (QStringList{" North", " Ridge"}));
        QCOMPARE(Items(Hazard().colOutHazard->cmboColVar), QStringList{"Headfire Spread Rate (SPRT)"});
        // The grass scenario is a simple surface fire: its surface fire alone, named in the legend,
        // and no index lines.
        QCOMPARE(HazardChart().chart->title(), QString("Surface Fire Hazard Assessment Chart"));
        QCOMPARE(Names(HazardChart().spreadRates), QStringList{"SPRTsurface"});
        QVERIFY(LegendShows(*HazardChart().chart, HazardChart().spreadRates[0]));
        QVERIFY(HazardChart().indexLines.empty());

        Choose(Hazard().cmboHazScenario, " Ridge");
        QCOMPARE(HazardChart().chart->title(), QString("Crown Fire Hazard Assessment Chart"));
        QCOMPARE(Names(HazardChart().spreadRates),
                 (QStringList{"SPRTinitiation", "SPRTsurface", "SPRTactive", "SPRTcrown", "SPRTfinal"}));
        QCOMPARE(Names(HazardChart().indexLines), (QStringList{"Torching Index", "Crowning Index"}));
        ctlRowInput2& range = *Hazard().rowInHazard;
        Type(range.txtRowMin, "0");
        Type(range.txtRowMax, "30");
        Type(range.txtRowStep, "1");
        QCOMPARE(HazardChart().spreadRates[4]->count(), 33);  // 31 winds and the two beside the indices
        QCOMPARE(HazardChart().chart->axes(Qt::Horizontal)[0]->titleText(), QString("Open Wind Speed (mi/hr)"));
        QCOMPARE(HazardChart().chart->axes(Qt::Vertical)[0]->titleText(),
                 QString("Headfire Spread Rate (SPRT) (ch/hr)"));

        Choose(range.cmboRowUnits, "km/hr");
        QCOMPARE(range.txtRowMax->text(), QString("100"));
        QCOMPARE(HazardChart().chart->axes(Qt::Horizontal)[0]->titleText(), QString("Open Wind Speed (km/hr)"));
        const double torching = Hazard().Results().Rows().front().scenario.TorchingIndex;
        QVERIFY(qAbs(HazardChart().indexLines[0]->at(0).x() - torching * 1.609348854) < 1e-9);
        QVERIFY(ui.messages.empty());
    }

    // A stand without canopy bulk density: no crowning index line and no SPRTactive line, and the
    // legend lists only what is drawn.
    void theHazardChartDrawsNothingThatIsNotReachable()
    {
        LoadScenario(2, "2 10 0.4 1 1 1 10 0.4 1 1 1 6 8 10 100 100 0 6 1 100 6 20 20 0", "Bare");
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Bare");
        QCOMPARE(HazardChart().chart->title(), QString("Crown Fire Hazard Assessment Chart"));
        QCOMPARE(Names(HazardChart().indexLines), QStringList{"Torching Index"});
        QChart& chart = *HazardChart().chart;
        QCOMPARE(HazardChart().spreadRates.size(), std::size_t(5));
        QCOMPARE(HazardChart().spreadRates[2]->name(), QString("SPRTactive"));
        QCOMPARE(HazardChart().spreadRates[2]->count(), 0);
        QVERIFY(!LegendShows(chart, HazardChart().spreadRates[2]));
        for (std::size_t s : {0u, 1u, 3u, 4u})
            QVERIFY(HazardChart().spreadRates[s]->count() > 0 && LegendShows(chart, HazardChart().spreadRates[s]));
        QVERIFY(LegendShows(chart, HazardChart().indexLines[0]));
        // The spread rate axis is scaled to the lines drawn, not to a placeholder of 999 m/min.
        auto* rates = static_cast<QValueAxis*>(chart.axes(Qt::Vertical)[0]);
        QVERIFY2(rates->max() < 1000, qPrintable(QString::number(rates->max())));
        auto* note = Hazard().findChild<QLabel*>("lblFailureNote");
        QVERIFY(note && !note->isVisible());
        QVERIFY(ui.messages.empty());
    }

    void thePlotOptionsHideAndShowLines()
    {
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        QChart& chart = *HazardChart().chart;
        Click(Hazard().chkHazPlotIndicies);
        for (QLineSeries* line : HazardChart().indexLines)
            QVERIFY(!line->isVisible() && !LegendShows(chart, line));
        QVERIFY(HazardChart().spreadRates[4]->isVisible());
        Click(Hazard().chkHazPlotRfinal);
        QVERIFY(!HazardChart().spreadRates[4]->isVisible());
        QVERIFY(!LegendShows(chart, HazardChart().spreadRates[4]));

        // A new drawing keeps the options.
        Type(Hazard().rowInHazard->txtRowMax, "30");
        QVERIFY(!HazardChart().spreadRates[4]->isVisible());
        QVERIFY(!HazardChart().indexLines[0]->isVisible());
        Click(Hazard().chkHazPlotIndicies);
        Click(Hazard().chkHazPlotRfinal);
        QVERIFY(Hazard().chkHazPlotIndicies->isChecked());
        QVERIFY(HazardChart().indexLines[1]->isVisible());
        QVERIFY(LegendShows(chart, HazardChart().indexLines[1]));
        QVERIFY(HazardChart().spreadRates[4]->isVisible());
    }

    void theHazardChartIsCapturedPrintedAndExplained()
    {
        ClickTab(HazardPage);
        CaptureImage(Hazard().btnCaptureHazChart, "hazard.JPG", "Capture hazard chart image");
        CaptureImage(Hazard().btnCaptureHazChart, "hazard.png", "Capture hazard chart image");
        QTest::mouseClick(Hazard().btnHazHelp, Qt::LeftButton);
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-4.html"));

        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer: printing to a PDF file is offered only without one");
        const std::string pdf = dir.filePath("hazard.pdf").toStdString();
        ui.answers.push_back(true);
        ui.chosenFiles.push_back(pdf);
        QTest::mouseClick(Hazard().btnPrintHazChart, Qt::LeftButton);
        QCOMPARE(ReadBytes(pdf).substr(0, 5), std::string("%PDF-"));
    }

    void theFireChartFollowsItsLists()
    {
        ClickTab(FirePage);
        QCOMPARE(Items(FireView().cmboFireScenario), (QStringList{" North", " Ridge"}));
        Choose(FireView().cmboFireScenario, " Ridge");
        QCOMPARE(Items(FireView().cmboRefVar),
                 (QStringList{"Flame Length", "Fireline Intensity", "Fire Intensity Scale"}));
        QCOMPARE(Items(FireView().cmboRefUnits), (QStringList{"feet", "meters"}));
        QCOMPARE(Items(FireView().cmboROSUnits), (QStringList{"ch/hr", "m/min", "mi/hr", "km/hr", "ft/min"}));
        QCOMPARE(Items(FireView().cmboHPUAUnits), (QStringList{"BTU/ft2", "kJ/m2"}));
        QChart& chart = *FireChart().chart;
        QCOMPARE(chart.title(), QString("Fire Characteristics Chart"));
        QCOMPARE(Names(FireChart().curves), (QStringList{"4", "8", "11", "25", "70", "FLINinitiation", "SPRTactive"}));
        QCOMPARE(FireChart().legendTitle->text(), QString("Flame Length (feet)"));
        QCOMPARE(FireChart().points.size(), std::size_t(3));
        QCOMPARE(FireChart().points[0]->name(), QString("Surface"));
        QCOMPARE(chart.axes(Qt::Horizontal)[0]->titleText(), QString("Heat Per Unit Area (BTU/ft2)"));

        Choose(FireView().cmboRefVar, "Fireline Intensity");
        QCOMPARE(Items(FireView().cmboRefUnits), (QStringList{"BTU/ft-sec", "kW/m"}));
        QCOMPARE(FireChart().curves[0]->name(), QString("100"));
        Choose(FireView().cmboRefVar, "Fire Intensity Scale");
        QCOMPARE(FireView().cmboRefUnits->count(), 0);
        QVERIFY(!FireView().cmboRefUnits->isEnabled());
        QCOMPARE(FireChart().legendTitle->text(), QString("Fire Intensity Scale"));
        Choose(FireView().cmboRefVar, "Flame Length");
        QCOMPARE(Items(FireView().cmboRefUnits), (QStringList{"feet", "meters"}));
        QCOMPARE(FireChart().curves.size(), std::size_t(7));
        Choose(FireView().cmboROSUnits, "m/min");
        QCOMPARE(chart.axes(Qt::Vertical)[0]->titleText(), QString("Rate of Spread (m/min)"));
        QVERIFY(ui.messages.empty());
    }

    void theWindPointSliderSelectsAPoint()
    {
        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " Ridge");
        QSlider& slider = *FireView().sldWindPoint;
        QCOMPARE(slider.maximum(), 44);
        QCOMPARE(FireView().txtWindPt->text(), QString("0.0"));
        QCOMPARE(FireView().lblWindUnit->text(), QString("mi/hr"));
        slider.setFocus();
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(FireView().txtWindPt->text(), QString("1.0"));
        QCOMPARE(FireChart().windPoint->count(), 1);
        const auto& points = FireView().Results().Points();
        const QPointF expected(points[1].outputs.HeatPerUnitArea,
                               points[1].outputs.RateOfSpread * 0.33528 * 2.98);
        QVERIFY(qAbs(FireChart().windPoint->at(0).x() - expected.x()) < 1e-9);
        QVERIFY(qAbs(FireChart().windPoint->at(0).y() - expected.y()) < 1e-9);

        std::size_t torching = 0;
        while (points[torching].wind != FirePoint::Wind::AboveTorching)
            ++torching;
        while (slider.value() < static_cast<int>(torching))
            QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(FireView().txtWindPt->text(), QString("TI2"));
        QTest::keyClick(&slider, Qt::Key_End);
        QCOMPARE(FireView().txtWindPt->text(), QString("40.0"));
    }

    void theFireChartIsCapturedAsJpegByDefaultAndExplained()
    {
        ClickTab(FirePage);
        CaptureImage(FireView().btnCaptureFireChart, "fire.jpg", "Capture Fire chart image");
        QCOMPARE(ui.fileRequests.back().defExt, std::string("jpg"));
        QTest::mouseClick(FireView().btnFireHelp, Qt::LeftButton);
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-5.html"));
    }

    // A simple surface fire has no torching or crowning index: no index points, no markers and no
    // slider stops for them; it has no crown, so no crown thresholds either.
    void aSurfaceFireHasNoIndexPoints()
    {
        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " North");
        QCOMPARE(FireView().sldWindPoint->maximum(), 40);
        QStringList texts = Texts(PlotTexts(FireChart()));
        QVERIFY2(!texts.contains("TI2") && !texts.contains("CI2"), qPrintable(texts.join(",")));
        QSlider& slider = *FireView().sldWindPoint;
        slider.setFocus();
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(&slider, Qt::Key_Right);
            QVERIFY2(!FireView().txtWindPt->text().contains("I2"), qPrintable(FireView().txtWindPt->text()));
        }
        QVERIFY(!FireChart().caption->text().contains("TI "));
        // Nor crown thresholds, nor fire types it never reaches, in the legend.
        const QStringList legend = LegendEntries(*FireChart().chart);
        for (const char* absent : {"FLINinitiation", "SPRTactive", "Transitional", "High"})
            QVERIFY2(!legend.contains(absent), qPrintable(legend.join(",")));
        QVERIFY2(legend.contains("Low"), qPrintable(legend.join(",")));
        // The scenario with indices has both, each once.
        Choose(FireView().cmboFireScenario, " Ridge");
        texts = Texts(PlotTexts(FireChart()));
        QCOMPARE(texts.count("TI2"), 1);
        QCOMPARE(texts.count("CI2"), 1);
    }

    // The legend title names the curves' quantity and unit whatever unit the chart is in, beside
    // the legend and inside the chart, also in a capture.
    void theLegendTitleStaysInEveryUnit()
    {
        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " Ridge");
        const auto titleInPlace = [this] {
            QCoreApplication::processEvents();
            QGraphicsSimpleTextItem& title = *FireChart().legendTitle;
            const QRectF at = title.sceneBoundingRect();
            const QRectF entries = ShownArea(*FireChart().chart->legend());
            return title.isVisible() && FireChart().chart->sceneBoundingRect().contains(at) && !entries.isEmpty() &&
                   at.bottom() <= entries.top() + 1 && at.bottom() >= entries.top() - 20 &&
                   at.right() > entries.left() && at.left() < entries.right();
        };
        QVERIFY(titleInPlace());
        for (const char* unit : {"m/min", "ft/min", "ch/hr"}) {
            Choose(FireView().cmboROSUnits, unit);
            QCOMPARE(FireChart().legendTitle->text(), QString("Flame Length (feet)"));
            QVERIFY2(titleInPlace(), unit);
        }
        Capture(FireView().btnCaptureFireChart, "fire.png", "Capture Fire chart image");
        QVERIFY(titleInPlace());
    }

    // The points are the same fires in every wind unit: with winds in km/hr the active points,
    // the reference curves and both crown thresholds show, and the box tells each point's wind in
    // km/hr.
    void theFireChartShowsTheSameFiresInKilometresPerHour()
    {
        ClickTab(0);
        Choose(form->UnitList(run->units.OpenWindSpdInUnits), "km/hr");
        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " Ridge");
        QVERIFY(FireChart().points[2]->count() > 10);  // active
        const QStringList legend = LegendEntries(*FireChart().chart);
        QVERIFY2(legend.contains("FLINinitiation") && legend.contains("SPRTactive") && legend.contains("4"),
                 qPrintable(legend.join(",")));
        auto* rates = static_cast<QValueAxis*>(FireChart().chart->axes(Qt::Vertical)[0]);
        QVERIFY(FireChart().curves[6]->at(0).y() < rates->max());
        QCOMPARE(FireView().lblWindUnit->text(), QString("km/hr"));
        QSlider& slider = *FireView().sldWindPoint;
        slider.setFocus();
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(FireView().txtWindPt->text(), QString("1.6"));
        QTest::keyClick(&slider, Qt::Key_End);
        QCOMPARE(FireView().txtWindPt->text(), QString("64.4"));
        QVERIFY2(FireChart().caption->text().contains(" km/hr, CI "), qPrintable(FireChart().caption->text()));
    }

    // Spread rates taken away from the head: the axis says in which direction, and the index lines
    // say they are the head fire's.
    void theHazardChartNamesTheSpreadDirection()
    {
        run->globalSpreadDirection = 90;
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        QCOMPARE(HazardChart().chart->axes(Qt::Vertical)[0]->titleText(),
                 QString::fromUtf8("Spread Rate at 90\u00B0 from the head (SPRT) (ch/hr)"));
        QCOMPARE(Names(HazardChart().indexLines),
                 (QStringList{"Torching Index (head fire)", "Crowning Index (head fire)"}));
    }

    // A falling range that ends at 0 computes the wind 0 as the row shows it, in every series.
    void aFallingRangeEndsAtZero()
    {
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        ctlRowInput2& range = *Hazard().rowInHazard;
        Type(range.txtRowMin, "1");
        Type(range.txtRowMax, "0");
        Type(range.txtRowStep, "0.1");
        QVERIFY(Hazard().Results().Rows().size() >= 11);
        QCOMPARE(Hazard().Results().Rows().back().windMph, 0.0);
        for (QLineSeries* line : HazardChart().spreadRates) {
            QVERIFY2(line->count() > 0 && line->at(0).x() == 0, qPrintable(line->name()));
        }
        QVERIFY(Hazard().lblHazFailure->isHidden());
    }

    // The legend lists exactly the lines drawn: index lines beyond the range are neither drawn nor
    // listed.
    void theHazardLegendListsWhatIsDrawn()
    {
        ClickTab(HazardPage);
        QCOMPARE(LegendEntries(*HazardChart().chart), QStringList{"SPRTsurface"});
        Choose(Hazard().cmboHazScenario, " Ridge");
        Type(Hazard().rowInHazard->txtRowMin, "0");
        Type(Hazard().rowInHazard->txtRowMax, "5");
        Type(Hazard().rowInHazard->txtRowStep, "1");
        QVERIFY(HazardChart().indexLines.empty());
        QCOMPARE(LegendEntries(*HazardChart().chart),
                 (QStringList{"SPRTinitiation", "SPRTsurface", "SPRTactive", "SPRTcrown", "SPRTfinal"}));
        QVERIFY2(!HazardChart().caption->text().isEmpty() && HazardChart().caption->text().contains("TI "),
                 qPrintable(HazardChart().caption->text()));
    }

    // Round ticks in every unit, axes that end at the first round value past what they show, one
    // number of decimals per axis.
    void axesHaveRoundTicksInEveryUnit()
    {
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        ctlRowInput2& range = *Hazard().rowInHazard;
        Choose(range.cmboRowUnits, "km/hr");
        Type(range.txtRowMin, "0");
        Type(range.txtRowMax, "98");
        Type(range.txtRowStep, "7");
        auto* wind = qobject_cast<QValueAxis*>(HazardChart().chart->axes(Qt::Horizontal)[0]);
        QVERIFY(wind);
        QCOMPARE(wind->max(), 100.0);
        QCOMPARE(wind->tickCount(), 6);  // 0, 20, … 100
        QCOMPARE(wind->labelFormat(), QString("%.0f"));
        auto* rates = qobject_cast<QValueAxis*>(HazardChart().chart->axes(Qt::Vertical)[0]);
        double top = 0;
        for (QLineSeries* line : HazardChart().spreadRates)
            for (const QPointF& point : line->points())
                top = std::max(top, point.y());
        const double interval = (rates->max() - rates->min()) / (rates->tickCount() - 1);
        QVERIFY2(rates->max() >= top && rates->max() - interval < top,
                 qPrintable(QString("%1 %2 %3").arg(rates->max()).arg(interval).arg(top)));

        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " Ridge");
        auto* heat = qobject_cast<QValueAxis*>(FireChart().chart->axes(Qt::Horizontal)[0]);
        auto* spread = qobject_cast<QValueAxis*>(FireChart().chart->axes(Qt::Vertical)[0]);
        for (QValueAxis* axis : {heat, spread}) {
            const double step = (axis->max() - axis->min()) / (axis->tickCount() - 1);
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
            QVERIFY2(qFuzzyCompare(mantissa, 1.0) || qFuzzyCompare(mantissa, 2.0) || qFuzzyCompare(mantissa, 2.5) ||
                         qFuzzyCompare(mantissa, 5.0),
                     qPrintable(QString::number(step)));
        }
    }

    // Points and curves differ in colour, and the points of each fire type in marker shape, so that
    // they stay apart in grey; the curves' labels do not cover one another.
    void firePointsAndCurvesStayApart()
    {
        ClickTab(FirePage);
        Choose(FireView().cmboFireScenario, " Ridge");
        QSet<int> shapes;
        QSet<QRgb> pointColours;
        for (QScatterSeries* points : FireChart().points) {
            shapes << points->markerShape();
            pointColours << points->color().rgb();
        }
        QCOMPARE(shapes.size(), 3);
        QCOMPARE(pointColours.size(), 3);
        for (QLineSeries* curve : FireChart().curves)
            QVERIFY(!pointColours.contains(curve->pen().color().rgb()));
        const std::vector<QGraphicsSimpleTextItem*> texts = PlotTexts(FireChart());
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                QVERIFY2(!texts[i]->sceneBoundingRect().intersects(texts[j]->sceneBoundingRect()),
                         qPrintable(texts[i]->text() + " / " + texts[j]->text()));
    }

    // File, Print and Capture act on the chart on screen, and wait on tabs without one.
    void theFileMenuCapturesAndPrintsTheChartOnScreen()
    {
        ClickTab(0);
        QVERIFY(!Command(*form, "mnuCapture")->isEnabled() && !Command(*form, "mnuPrint")->isEnabled());
        ClickTab(1);
        QVERIFY(!Command(*form, "mnuCapture")->isEnabled());
        for (int tab : {2, HazardPage, FirePage}) {
            ClickTab(tab);
            QVERIFY(Command(*form, "mnuCapture")->isEnabled() && Command(*form, "mnuPrint")->isEnabled());
            const std::string path = dir.filePath(QString("menu-%1.png").arg(tab)).toStdString();
            ui.chosenFiles.push_back(path);
            CaptureDialogAnswer size;
            size.Arm();
            Command(*form, "mnuCapture")->trigger();
            QCOMPARE(QImageReader(QString::fromStdString(path)).size(), QSize(800, 500));
        }
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer: printing to a PDF file is offered only without one");
        const std::string pdf = dir.filePath("menu.pdf").toStdString();
        ui.answers.push_back(true);
        ui.chosenFiles.push_back(pdf);
        Command(*form, "mnuPrint")->trigger();
        // One landscape page.
        const auto [pages, size] = PdfPages(ReadBytes(pdf));
        QCOMPARE(pages, 1);
        QVERIFY2(size.width() > size.height(), qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
    }

    // Every format a report takes, each decoding as what it is; the size typed is remembered for
    // the next capture, also after a restart.
    void capturesInEveryFormat()
    {
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        const clsTorviOutputs& first = Hazard().Results().Rows().front().scenario;
        const QString indices = QString("TI %1 mi/hr, CI %2 mi/hr")
                                    .arg(first.TorchingIndex, 0, 'f', 1)
                                    .arg(first.CrowningIndex, 0, 'f', 1);
        CaptureDialogAnswer size{640, 400, 150};
        Capture(Hazard().btnCaptureHazChart, "hazard.svg", "Capture hazard chart image", size);
        QFile svg(dir.filePath("hazard.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        QString text;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::Characters)
                text += xml.text();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(text.contains(indices), qPrintable(indices));
        QVERIFY(text.contains("Crown Fire Hazard Assessment Chart"));

        Capture(Hazard().btnCaptureHazChart, "hazard.pdf", "Capture hazard chart image");
        const auto [pages, paper] = PdfPages(ReadBytes(dir.filePath("hazard.pdf").toStdString()));
        QCOMPARE(pages, 1);
        QVERIFY(qAbs(paper.width() - 800.0 / 100 * 72) < 1.5 && qAbs(paper.height() - 500.0 / 100 * 72) < 1.5);

        // The first filter's JPEG for a name without an extension of its own.
        Capture(Hazard().btnCaptureHazChart, "hazard", "Capture hazard chart image");
        QCOMPARE(QImageReader(dir.filePath("hazard")).format(), QByteArray("jpeg"));

        CaptureDialogAnswer next;
        Capture(Hazard().btnCaptureHazChart, "again.png", "Capture hazard chart image", next);
        QCOMPARE(next.shown, (std::array<int, 3>{800, 500, 100}));
        QCOMPARE(CaptureDialog().txtWidth->value(), 800);
        // A raster capture has the chart's white background up to its edges, no window border.
        const QImage image(dir.filePath("again.png"));
        for (const QPoint corner : {QPoint(0, 0), QPoint(799, 0), QPoint(0, 499), QPoint(799, 499)})
            QCOMPARE(image.pixel(corner), qRgb(255, 255, 255));
    }

    void theChartIsCopiedToTheClipboard()
    {
        ClickTab(HazardPage);
        Choose(Hazard().cmboHazScenario, " Ridge");
        QChartView* view = HazardChart().tvCharts;
        QStringList entries;
        for (QAction* action : view->actions())
            entries << action->text();
        QVERIFY(entries.contains("&Copy Chart"));
        QGuiApplication::clipboard()->clear();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        const ChartPicture::Size size = CaptureDialog::Remembered();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(size.width, size.height));

        // Each chart of the window is given the command where its tab builds it: the others too.
        const std::pair<int, QChartView*> others[] = {
            {OutputChartPage, Child<TablesTab>(*form, "tablesTab")->chartView->tvCharts},
            {FirePage, FireChart().tvCharts}};
        for (const auto& [tab, other] : others) {
            ClickTab(tab);
            QGuiApplication::clipboard()->clear();
            other->setFocus();
            QTest::keyClick(other, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(size.width, size.height));
        }
    }

    void aLoadedRunBringsTheChartSettingsBack()
    {
        ClickTab(HazardPage);
        run->haz_input_min = 0;
        run->haz_input_max = 30;
        run->haz_input_step = 5;
        form->RefreshVisibleTab();
        form->RestoreTabSettings();
        QCOMPARE(Hazard().rowInHazard->txtRowMax->text(), QString("30"));
        QCOMPARE(Hazard().Results().Drawing().rowValues, (std::vector<double>{0, 5, 10, 15, 20, 25, 30}));

        ClickTab(FirePage);
        run->fire_ref_var = 2;
        run->fire_page_var = 9;  // slope
        form->RefreshVisibleTab();
        form->RestoreTabSettings();
        QCOMPARE(FireView().cmboRefVar->currentText(), QString("Fire Intensity Scale"));
        QCOMPARE(FireView().pgInFire->cmboPageVar->currentText(), QString("Slope"));
        QCOMPARE(FireView().pgInFire->txtPageVal->text(), QString("20"));
    }

    void templateFilesGiveTheChartsTheirLook()
    {
        QTemporaryDir program;
        const auto write = [&](const char* name, const char* text) {
            std::ofstream(program.filePath(name).toStdString(), std::ios::binary) << text;
        };
        write("CrownFireHazardChart.oc2", "# look\r\nseries.4.colour = #123456\r\nmarkers = true\r\n");
        write("FireCharacteristicsChart.oc2", "grid = maybe\r\n");
        HazChartTab hazard(form->TableViews(), *fileDlg, ui, nullptr, program.path());
        run->visTab = HazardPage;
        hazard.PrepareHazardView();
        Choose(hazard.cmboHazScenario, " Ridge");
        QCOMPARE(hazard.tvHazChart->spreadRates[3]->pen().color(), QColor(0x12, 0x34, 0x56));
        QVERIFY(hazard.tvHazChart->spreadRates[3]->pointsVisible());
        QVERIFY(ui.messages.empty());

        // A faulty template is told and leaves the chart's own look.
        FireTab fire(form->TableViews(), *fileDlg, ui, nullptr, program.path());
        QCOMPARE(ui.messages.back(), "Invalid value of grid in line number 1 of " +
                                         program.filePath("FireCharacteristicsChart.oc2").toStdString());
        run->visTab = FirePage;
        fire.PrepareFireView();
        QCOMPARE(fire.tvFireChart->curves[0]->pen().color(),
                 QColor::fromRgb(ctlFireChart::DefaultLook().seriesColours[0]));

        // Without a template file a chart has its own look.
        HazChartTab plain(form->TableViews(), *fileDlg, ui, nullptr, dir.path() + "/none");
        run->visTab = HazardPage;
        plain.PrepareHazardView();
        Choose(plain.cmboHazScenario, " Ridge");
        QCOMPARE(plain.tvHazChart->spreadRates[3]->pen().color(), QColor(0x1F, 0x77, 0xB4));
        QVERIFY(!plain.tvHazChart->spreadRates[3]->pointsVisible());
    }
};

QTEST_MAIN(TestChartTabs)
#include "gui_ChartTabs.moc"
