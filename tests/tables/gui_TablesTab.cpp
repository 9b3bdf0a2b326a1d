// The output table and output chart tabs of the main window, driven as the analyst drives them.

#include "base/FileDlg.h"
#include "base/NumberText.h"
#include "window/TorviForm.h"
#include "engine/clsTorvi.h"
#include "window/ctlIn.h"
#include "runs/clsRun.h"
#include "window/ChartCommands.h"
#include "window/TablesTab.h"
#include "tables/clsTableViews.h"
#include "window/ctlColOutput.h"
#include "window/ctlOutputChart.h"
#include "window/ctlOutputTable.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"

#include "support/CaptureDialogSupport.h"
#include "support/BoxColour.h"
#include "support/MainWindowTestSupport.h"
#include "support/QtTyping.h"
#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <QValueAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <memory>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Choose;

using MainWindowTestSupport::Grass;
using MainWindowTestSupport::Timber;

}  // namespace

class TestTablesTab : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    TablesTab& Tab() { return *Child<TablesTab>(*form, "tablesTab"); }
    ctlOutputTable& Grid() { return *Tab().tableView; }
    QChart& Chart() { return *Tab().chartView->chart; }

    void Type(QLineEdit* box, const QString& text) { TypeInto(form.get(), box, text); }


    QStringList Column(int column)
    {
        QStringList cells;
        for (int row = 1; row < Grid().RowCount() && !Grid().Cell(row, 0).isEmpty(); ++row)
            cells << Grid().Cell(row, column);
        return cells;
    }

private slots:
    void init()
    {
        StartWithGrassAndTimber();
    }

    void cleanup()
    {
        form.reset();
        QLocale::setDefault(QLocale::c());
    }

    void theTableShowsEveryValidatedScenario()
    {
        ClickTab(1);
        QCOMPARE(Tab().frame->title(), QString("Output Table"));
        QVERIFY(Grid().isVisible());
        QVERIFY(!Tab().chartView->isVisible());
        QVERIFY(Tab().btnTextFile->isVisible());
        QVERIFY(!Tab().btnCaptureChart->isVisible() && !Tab().btnPrintChart->isVisible());
        // The run starts with the open wind speed from 0 to 40 by 2 and the spread rate.
        QCOMPARE(Tab().tblRowInput->cmboRowVar->currentText(), QString("Open windspeed"));
        QCOMPARE(Tab().tblRowInput->txtRowMax->text(), QString("40"));
        QCOMPARE(Tab().tblColOutput->cmboColVar->currentText(), QString("Headfire Spread Rate (SPRT)"));
        QCOMPARE(Grid().RowCount(), 30);
        for (int column = 0; column < 5; ++column)
            QCOMPARE(Grid().Cell(0, column), (QStringList{"Input", "A", "B", "C", "D"})[column]);
        QCOMPARE(Column(0).size(), 21);
        QCOMPARE(Column(0).first(), QString("0"));
        QCOMPARE(Column(0).last(), QString("40"));
        QCOMPARE(Column(2).join(""), QString());  // B is not validated

        clsTorviInputs record = run->io(3).IData;
        record.OpenWindSpeed = 12;
        record.HCrown = 18000 * 0.430265351;
        clsTorvi engine;
        engine.FuelModels = run->defFM.fmColl;
        bool success = false;
        const double spread = engine.CalculateTorviOutputs(record, success).RateOfSpread;
        QVERIFY(success);
        QCOMPARE(Column(3)[6].toStdString(), NumberText::FixedText(spread, 1));
    }

    // Over the 1-hour moisture from 0 to 60 every row is a result: the crowning index is a number
    // while the fuel spreads and "N/A" beyond, in the grid; the chart has no point for those rows.
    void aTableOverTheOneHourMoistureFillsEveryRow()
    {
        ClickTab(1);
        ctlRowInput& row = *Tab().tblRowInput;
        Choose(row.cmboRowVar, "Dead Moisture 1-Hr");
        Type(row.txtRowMin, "0");
        Type(row.txtRowMax, "60");
        Type(row.txtRowStep, "1");
        Choose(Tab().tblColOutput->cmboColVar, "Crowning Index (CRNI)");
        const QStringList ridge = Column(3);
        QCOMPARE(ridge.size(), 61);
        QVERIFY(ridge.first().toDouble() > 0);
        QCOMPARE(ridge.last(), QString("N/A"));
        const int numbers = static_cast<int>(ridge.indexOf("N/A"));
        QVERIFY(numbers > 10 && numbers < 40);
        for (int r = numbers; r < ridge.size(); ++r)
            QCOMPARE(ridge[r], QString("N/A"));
        QVERIFY(ui.messages.empty());
        QVERIFY(!Tab().findChild<QLabel*>("lblFailureNote")->isVisible());

        ClickTab(2);
        int points = 0;
        for (QAbstractSeries* series : Chart().series())
            if (series->name() == " Ridge")
                points += static_cast<QLineSeries*>(series)->count();
        QCOMPARE(points, numbers);
    }

    void rangesAreTypedAndChecked()
    {
        ClickTab(1);
        ctlRowInput& row = *Tab().tblRowInput;
        Choose(row.cmboRowVar, "Slope");
        QCOMPARE(row.txtRowMax->text(), QString("100"));
        Type(row.txtRowMin, "0");
        Type(row.txtRowMax, "10");
        Type(row.txtRowStep, "2");
        QCOMPARE(Column(0), (QStringList{"0", "2", "4", "6", "8", "10"}));
        QCOMPARE(Grid().RowCount(), 30);

        Type(row.txtRowMin, "10");
        Type(row.txtRowMax, "0");
        QCOMPARE(Column(0), (QStringList{"10", "8", "6", "4", "2", "0"}));

        Type(row.txtRowMax, "abc");
        QCOMPARE(ui.messages.back(), std::string("Please enter a valid Maximum number within the range [0 - 100]"));
        QCOMPARE(row.txtRowMax->text(), QString());
        QVERIFY(Column(0).isEmpty());  // no table for a range that is not whole
        QVERIFY(!Tab().btnTextFile->isEnabled());

        Type(row.txtRowMax, "120");
        QCOMPARE(ui.messages.back(), std::string("Invalid value: Please enter a Maximum value between 0 and 100"));
        QCOMPARE(Background(row.txtRowMax), QColor(255, 0, 0));
        QCOMPARE(QApplication::focusWidget(), row.txtRowMax);

        Type(row.txtRowMax, "10");
        QVERIFY(Background(row.txtRowMax) != QColor(255, 0, 0));
        Type(row.txtRowStep, "0");
        QCOMPARE(ui.messages.back(), std::string("Invalid value: Please enter a Step value between 1 and 100"));
        Type(row.txtRowStep, "10");
        QCOMPARE(Column(0), (QStringList{"10"}));
    }

    void aNewRowUnitResetsTheRange()
    {
        ClickTab(1);
        ctlRowInput& row = *Tab().tblRowInput;
        Type(row.txtRowMin, "5");
        Choose(row.cmboRowUnits, "km/hr");
        QCOMPARE(row.txtRowMin->text(), QString("0"));
        QCOMPARE(row.txtRowMax->text(), QString("100"));
        QCOMPARE(row.txtRowStep->text(), QString("1"));
        QCOMPARE(Column(0).size(), 101);
        QCOMPARE(Grid().RowCount(), 102);
        QCOMPARE(run->tblch_input_max, 100.0);
    }

    void aPageValueHoldsForEveryScenario()
    {
        ClickTab(1);
        ctlPageInput& page = *Tab().tblPageInput;
        Choose(page.cmboPageVar, "Slope");
        QCOMPARE(page.cmboPageUnits->currentText(), QString("percent"));
        QCOMPARE(page.txtPageVal->text(), QString("20"));  // scenario A's slope
        QCOMPARE(page.sliderPageVar->maximum(), 100);
        QCOMPARE(page.sliderPageVar->pageStep(), 5);

        Type(page.txtPageVal, "12.5");
        QCOMPARE(run->iclone(1).PercentSlope, 12);
        QCOMPARE(run->iclone(3).PercentSlope, 12);
        QCOMPARE(page.sliderPageVar->value(), 12);

        Type(page.txtPageVal, "abc");
        QCOMPARE(ui.messages.back(), std::string("Please enter a valid number within the range [0 - 100]"));
        QCOMPARE(page.txtPageVal->text(), QString());
        QVERIFY(!page.pageVarIsValid());
        QVERIFY(Column(0).isEmpty());

        page.sliderPageVar->setFocus();
        QTest::keyClick(page.sliderPageVar, Qt::Key_Right);  // one small change: the page step
        QVERIFY(page.pageVarIsValid());
        QCOMPARE(page.txtPageVal->text(), QString("17"));
        QCOMPARE(Column(0).size(), 21);
        QCOMPARE(run->iclone(1).PercentSlope, 17);

        Type(page.txtPageVal, "130");
        QCOMPARE(ui.messages.back(), std::string("Invalid value: Please enter a value between 0 and 100"));
        QCOMPARE(Background(page.txtPageVal), QColor(255, 0, 0));

        Choose(page.cmboPageVar, "-- None --");
        QCOMPARE(page.cmboPageUnits->count(), 0);
        QCOMPARE(page.txtPageVal->text(), QString());
        QCOMPARE(Column(0).size(), 21);
        QCOMPARE(run->iclone(1).PercentSlope, 20);
    }

    void cellsFollowTheOutputUnitAndTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ClickTab(1);
        ctlColOutput& output = *Tab().tblColOutput;
        Choose(output.cmboColVar, "Heat per Unit Area (HPUA)");
        Choose(output.cmboColUnits, "kJ/m2");
        const TableSelection selection =
            TableSelection::Of(form->TableViews().tblRowInput, form->TableViews().tblPageInput,
                               form->TableViews().tblColOutput);
        const double value = Tab().Results().CellValue(selection, 21, 3);
        QVERIFY(value > 1000);
        QCOMPARE(Grid().Cell(21, 3), QLocale().toString(value, 'f', 0));

        Choose(output.cmboColVar, "Crown Fraction Burned (CRFB)");
        QCOMPARE(output.cmboColUnits->currentText(), QString("fraction"));
        QVERIFY(Grid().Cell(21, 3) == "0" || Grid().Cell(21, 3) == "1");
    }

    void theTextFileHoldsTheTable()
    {
        ClickTab(1);
        Type(Tab().tblRowInput->txtRowMax, "4");
        const std::string path = dir.filePath("table.csv").toStdString();
        ui.chosenFiles.push_back(path);
        QTest::mouseClick(Tab().btnTextFile, Qt::LeftButton);
        QCOMPARE(ui.fileRequests.back().title, std::string("Save table data"));
        QCOMPARE(ui.fileRequests.back().filter, std::string("CSV Files (*.csv)|*.csv"));
        QVERIFY(ui.fileRequests.back().save);
        const std::string text = ReadBytes(path);
        QCOMPARE(QString::fromStdString(text.substr(0, text.find("\r\n0,"))),
                 QString("Headfire Spread Rate (SPRT)\r\nOpen windspeed,A,,C,\r\nmi/hr,ch/hr,ch/hr,ch/hr,ch/hr"));
        QVERIFY(text.find("\r\n4,") != std::string::npos);
        QVERIFY(text.find("\r\nOWND,4,,4,\r\n") != std::string::npos);

        ui.chosenFiles.push_back(dir.filePath("missing/table.csv").toStdString());
        QTest::mouseClick(Tab().btnTextFile, Qt::LeftButton);
        QCOMPARE(ui.messages.back(), "Failed to open Table file: " + dir.filePath("missing/table.csv").toStdString());
    }

    void theChartDrawsTheTablesResults()
    {
        ClickTab(1);
        Type(Tab().tblRowInput->txtRowMin, "30");
        Type(Tab().tblRowInput->txtRowMax, "10");
        Type(Tab().tblRowInput->txtRowStep, "10");
        // Without a change the chart draws the results the table holds: a broken engine is not asked.
        run->torvi.FuelModels = std::make_shared<clsFuelModels>();
        ClickTab(2);
        QVERIFY(ui.messages.empty());
        QCOMPARE(Tab().frame->title(), QString("Output Chart"));
        QVERIFY(Tab().chartView->isVisible() && !Grid().isVisible());
        QVERIFY(!Tab().btnTextFile->isVisible());
        QVERIFY(Tab().btnCaptureChart->isVisible() && Tab().btnPrintChart->isVisible());
        QCOMPARE(Chart().title(), QString("Output Chart"));
        const QList<QAbstractSeries*> series = Chart().series();
        QCOMPARE(series.size(), 2);
        QCOMPARE(series[0]->name(), QString(" North"));
        QCOMPARE(series[1]->name(), QString(" Ridge"));
        const QList<QPointF> points = static_cast<QLineSeries*>(series[1])->points();
        QCOMPARE(points.size(), 3);
        QCOMPARE(points[0].x(), 30.0);
        QCOMPARE(points[2].x(), 10.0);
        const auto axes = Chart().axes(Qt::Horizontal);
        QCOMPARE(axes.size(), 1);
        QCOMPARE(axes[0]->titleText(), QString("Open windspeed (mi/hr)"));
        QVERIFY(axes[0]->isReverse());
        // Round gridlines from 10 to 30 by 5, labelled without decimals.
        auto* rows = qobject_cast<QValueAxis*>(axes[0]);
        QVERIFY(rows);
        QCOMPARE(rows->min(), 10.0);
        QCOMPARE(rows->max(), 30.0);
        QCOMPARE(rows->tickCount(), 5);
        QCOMPARE(rows->labelFormat(), QString("%.0f"));
        QCOMPARE(Chart().axes(Qt::Vertical)[0]->titleText(), QString("Headfire Spread Rate (SPRT) (ch/hr)"));
        QVERIFY(Tab().chartView->legendTitle->isVisible());
        QCOMPARE(Tab().chartView->legendTitle->text(), QString("Legend"));

        // A change computes again; a failure is told in one line above the chart, which is left
        // empty, and not in a message box that would come back at every edit.
        Type(Tab().tblRowInput->txtRowStep, "5");
        QVERIFY(ui.messages.empty());
        auto* note = Tab().findChild<QLabel*>("lblFailureNote");
        QVERIFY(note && note->isVisible());
        QVERIFY2(note->text().startsWith("Scenario A, row 1 (") &&
                     note->text().contains("): CalculateTorviOutputs Failure[3002]"),
                 qPrintable(note->text()));
        QVERIFY(Chart().series().isEmpty());
        run->torvi.FuelModels = run->defFM.fmColl;
        Type(Tab().tblRowInput->txtRowStep, "10");
        QVERIFY(!note->isVisible());
        QCOMPARE(Chart().series().size(), 2);
    }

    void theChartIsCapturedAndPrinted()
    {
        ClickTab(2);
        QCOMPARE(Chart().series().size(), 2);
        for (const QString& name : {QString("chart.JPG"), QString("chart.png")}) {
            const std::string path = dir.filePath(name).toStdString();
            ui.chosenFiles.push_back(path);
            CaptureDialogAnswer size;
            size.Arm();
            QTest::mouseClick(Tab().btnCaptureChart, Qt::LeftButton);
            QCOMPARE(ui.fileRequests.back().title, std::string("Capture chart image"));
            QCOMPARE(ui.fileRequests.back().filter, std::string(ChartCommands::CaptureFilter));
            QImageReader reader(QString::fromStdString(path));
            QCOMPARE(reader.format(), name.endsWith("JPG") ? QByteArray("jpeg") : QByteArray("png"));
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(800, 500));
        }

        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer: printing to a PDF file is offered only without one");
        const std::string pdf = dir.filePath("chart.pdf").toStdString();
        // A file that happens to bear a temporary-looking name beside the PDF is not the printer's.
        std::ofstream(pdf + ".partial", std::ios::binary) << "an analyst's notes";
        ui.answers.push_back(true);
        ui.chosenFiles.push_back(pdf);
        QTest::mouseClick(Tab().btnPrintChart, Qt::LeftButton);
        QCOMPARE(ui.questions.back(),
                 std::string("No printer is available. Would you like to print the chart to a PDF file instead?"));
        QCOMPARE(ui.fileRequests.back().filter, std::string("PDF Files (*.pdf)|*.pdf"));
        QCOMPARE(ReadBytes(pdf).substr(0, 5), std::string("%PDF-"));
        QVERIFY(ReadBytes(pdf).size() > 1000);
        QCOMPARE(ReadBytes(pdf + ".partial"), std::string("an analyst's notes"));
    }

    void helpOpensTheTopicOfTheView()
    {
        ClickTab(1);
        QTest::mouseClick(Tab().btnHelp, Qt::LeftButton);
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-2.html"));
        ClickTab(2);
        QTest::mouseClick(Tab().btnHelp, Qt::LeftButton);
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-3.html"));
    }

    void theWindRowControlOfTheHazardChart()
    {
        clsTableViews& views = form->TableViews();
        ctlRowInput2 control(views.rowInHazard);
        QCOMPARE(control.getLblVarName()->text(), QString("Open Wind Speed"));
        QVERIFY(!control.cmboRowVar);
        run->visTab = clsTableViews::HazardChart;
        control.setRowVar();
        QCOMPARE(control.getCmboUnits()->currentText(), QString("mi/hr"));
        QCOMPARE(control.getTxtMax()->text(), QString("40"));
        QCOMPARE(control.getTxtStep()->text(), QString("2"));
        QVERIFY(control.rowVarIsValid());
        run->visTab = 0;
    }
};

QTEST_MAIN(TestTablesTab)
#include "gui_TablesTab.moc"
