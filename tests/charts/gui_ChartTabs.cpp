// The hazard chart and fire characteristics chart tabs of the main window, driven as the analyst
// drives them.

#include "base/FileDlg.h"
#include "window/TorviForm.h"
#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ctlFireChart.h"
#include "window/ctlHazChart.h"
#include "window/ctlIn.h"
#include "runs/clsRun.h"
#include "window/ctlColOutput.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

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

#include <fstream>
#include <memory>

namespace {

using MainWindowTestSupport::Choose;

using MainWindowTestSupport::Grass;
using MainWindowTestSupport::Timber;
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

}  // namespace

class TestChartTabs : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    HazChartTab& Hazard() { return *form->hazChartTab; }
    ctlHazChart& HazardChart() { return *Hazard().tvHazChart; }
    FireTab& FireView() { return *form->fireTab; }
    ctlFireChart& FireChart() { return *FireView().tvFireChart; }

    void Type(QLineEdit* box, const QString& text) { TypeInto(form.get(), box, text); }

    // A click on the check box's mark.
    void Click(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }


    // The chart captured through its button into a file of that name.
    void Capture(QPushButton* button, const QString& name, const char* title)
    {
        const std::string path = dir.filePath(name).toStdString();
        ui.chosenFiles.push_back(path);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(ui.fileRequests.back().title, std::string(title));
        QCOMPARE(ui.fileRequests.back().filter, std::string("JPEG Files (*.jpg)|*.jpg|PNG Files (*.png)|*.png"));
        QImageReader reader(QString::fromStdString(path));
        QCOMPARE(reader.format(), name.endsWith(".jpg", Qt::CaseInsensitive) ? QByteArray("jpeg") : QByteArray("png"));
        QVERIFY(reader.read().width() > 400);
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
        // The grass scenario is a simple surface fire: four lines without labels.
        QCOMPARE(HazardChart().chart->title(), QString("Surface Fire Hazard Assessment Chart"));
        QCOMPARE(HazardChart().spreadRates.size(), std::size_t(4));
        for (QLineSeries* line : HazardChart().spreadRates)
            QVERIFY(!LegendShows(*HazardChart().chart, line));

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
        Capture(Hazard().btnCaptureHazChart, "hazard.JPG", "Capture hazard chart image");
        Capture(Hazard().btnCaptureHazChart, "hazard.png", "Capture hazard chart image");
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
        QCOMPARE(FireView().txtWindPt->text(), QString("0"));
        QCOMPARE(FireView().lblWindUnit->text(), QString("mi/hr"));
        slider.setFocus();
        QTest::keyClick(&slider, Qt::Key_Right);
        QCOMPARE(FireView().txtWindPt->text(), QString("1"));
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
        QCOMPARE(FireView().txtWindPt->text(), QString("40"));
    }

    void theFireChartIsCapturedAsJpegByDefaultAndExplained()
    {
        ClickTab(FirePage);
        Capture(FireView().btnCaptureFireChart, "fire.jpg", "Capture Fire chart image");
        QCOMPARE(ui.fileRequests.back().defExt, std::string("jpg"));
        QTest::mouseClick(FireView().btnFireHelp, Qt::LeftButton);
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-5.html"));
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
        QCOMPARE(plain.tvHazChart->spreadRates[3]->pen().color(), QColor(0x1F, 0x77, 0xB4));
        QVERIFY(!plain.tvHazChart->spreadRates[3]->pointsVisible());
    }
};

QTEST_MAIN(TestChartTabs)
#include "gui_ChartTabs.moc"
