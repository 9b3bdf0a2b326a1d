#include "window/FireTab.h"
#include "window/HazChartTab.h"
#include "window/ctlFireChart.h"
#include "window/ctlHazChart.h"
#include "window/TablesTab.h"
#include "window/ctlColOutput.h"
#include "window/ctlOutputTable.h"
#include "window/ctlPageInput.h"
#include "window/ctlRowInput.h"
#include "window/frmGlobalSettings.h"

#include "support/MainWindowTestSupport.h"
#include "support/QtTyping.h"

#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStringList>

#include <fstream>

using namespace MainWindowTestSupport;

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Command;
using MainWindowTestSupport::Page;

constexpr int TablePage = 1;
constexpr int HazardPage = 3;
constexpr int FirePage = 4;

// A shrub scenario and one in the custom grass of the fixture's fuel model file (model 250).
const char* const Shrub = "2 5 0.4 1 1 1 5 0.4 1 1 1 8 9 10 90 110 0.12 4 1 100 4 8 30 45";
const char* const CustomGrass = "3 250 0.4 1 1 1 250 0.4 1 1 1 5 6 7 60 90 0.1 2 1 100 2 12 10 0";

// A window, its run and what it asks, started as the program starts.
struct Window {
    Window() { StartMainWindow(ui, run, fileDlg, form); }
    RecordingInteraction ui;
    std::unique_ptr<clsRun> run;
    std::unique_ptr<FileDlg> fileDlg;
    std::unique_ptr<TorviForm> form;
};

QString Points(const QXYSeries* series)
{
    QStringList points;
    for (const QPointF& point : series->points())
        points << QString::number(point.x(), 'g', 17) + "," + QString::number(point.y(), 'g', 17);
    return series->name() + ": " + points.join(" ");
}

// What a page shows: every box and list, and the numbers of its grid or chart.
QStringList Shown(QWidget* page)
{
    QStringList shown;
    for (const QLineEdit* box : page->findChildren<QLineEdit*>())
        shown << box->objectName() + "=" + box->text();
    for (const QComboBox* list : page->findChildren<QComboBox*>())
        shown << list->objectName() + "=" + list->currentText();
    return shown;
}

// The inputs and the numbers of every tab, each tab visited as the analyst does.
QStringList EveryTab(TorviForm& form, const clsRun& run)
{
    QStringList shown;
    ClickTab(form, run, 0);
    shown << Shown(Page(form, 0));
    ClickTab(form, run, TablePage);
    shown << Shown(Page(form, TablePage));
    const ctlOutputTable& grid = *Child<TablesTab>(form, "tablesTab")->tableView;
    for (int row = 0; row < grid.RowCount(); ++row)
        for (int column = 0; column < 5; ++column)
            shown << grid.Cell(row, column);
    ClickTab(form, run, HazardPage);
    shown << Shown(Page(form, HazardPage));
    const ctlHazChart& hazard = *Child<HazChartTab>(form, "hazChartTab")->tvHazChart;
    for (const auto& lines : {hazard.spreadRates, hazard.indexLines})
        for (const QLineSeries* line : lines)
            shown << Points(line);
    ClickTab(form, run, FirePage);
    shown << Shown(Page(form, FirePage));
    for (const QLineSeries* curve : Child<FireTab>(form, "fireTab")->tvFireChart->curves)
        shown << Points(curve);
    for (const QScatterSeries* point : Child<FireTab>(form, "fireTab")->tvFireChart->points)
        shown << Points(point);
    return shown;
}

void Compare(const QStringList& after, const QStringList& before)
{
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i)
        QCOMPARE(after[i], before[i]);
}

}  // namespace

class TestRunRoundTrip : public MainWindowTest {
    Q_OBJECT

    void Type(QLineEdit* box, const QString& text) { TypeInto(form.get(), box, text); }

    void SetGlobalSettings(const QString& hcrown, const QString& direction)
    {
        QTimer::singleShot(0, [hcrown, direction] {
            auto* dialog = qobject_cast<frmGlobalSettings*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->txtHCrown->setText(hcrown);
            dialog->txtSpreadDir->setText(direction);
            QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        });
        Command(*form, "mnuGlobalSettings")->trigger();
    }

    // The run saved under a name into the test folder.
    std::string SaveRun(const std::string& name)
    {
        QTest::keyClicks(Child<QLineEdit>(*form, "txtRun"), "Ridge plan");
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        ui.chosenFiles.push_back(path);
        Command(*form, "mnuSaveMain")->trigger();
        return path;
    }

    static void Open(Window& fresh, const std::string& path)
    {
        fresh.ui.chosenFiles.push_back(path);
        Command(*fresh.form, "mnuOpenRun")->trigger();
        QVERIFY2(fresh.ui.messages.empty(), fresh.ui.messages.empty() ? "" : fresh.ui.messages[0].c_str());
    }

private slots:
    void init() { StartMainWindow(); }

    // Every kind of setting changed, saved, and reopened in a freshly started window: the same
    // inputs and the same numbers on every tab.
    void aSavedRunReopensExactlyAsItWas()
    {
        const std::string custom = dir.filePath("custom.fmd").toStdString();
        std::ofstream(custom, std::ios::binary) << "# A custom grass\r\nENGLISH\r\n"
                                                   "250 CUST 0.74 0 0 0 0 static 3500 0 0 1.0 12 8000 8000 Custom\r\n";
        ui.chosenFiles.push_back(custom);
        Command(*form, "mnuCustomFM")->trigger();
        LoadScenario(1, Grass, "North");
        LoadScenario(2, Timber, "Ridge");
        LoadScenario(3, Shrub, "Brush");
        LoadScenario(4, CustomGrass, "Meadow");
        QVERIFY2(ui.messages.empty(), qPrintable(Child<QLabel>(*form, "lblInputStatus")->text() +
                                                 QString::fromStdString(ui.messages.empty() ? "" : ui.messages[0])));
        SetGlobalSettings("12000", "30");
        Choose(form->UnitList(run->units.ROSOutUnits), "m/min");

        ClickTab(TablePage);
        TablesTab& table = *Child<TablesTab>(*form, "tablesTab");
        Choose(table.tblRowInput->cmboRowVar, "Dead Moisture 1-Hr");
        Type(table.tblRowInput->txtRowMin, "2");
        Type(table.tblRowInput->txtRowMax, "12");
        Type(table.tblRowInput->txtRowStep, "1");
        Choose(table.tblPageInput->getCmboVar(), "Open windspeed");
        Choose(table.tblPageInput->getCmboUnits(), "km/hr");
        Type(table.tblPageInput->getTxtVal(), "24");
        Choose(table.tblColOutput->cmboColVar, "Flame Length (FLML)");

        ClickTab(HazardPage);
        HazChartTab& hazard = *Child<HazChartTab>(*form, "hazChartTab");
        Choose(hazard.rowInHazard->cmboRowUnits, "km/hr");
        Type(hazard.rowInHazard->txtRowMin, "10");
        Type(hazard.rowInHazard->txtRowMax, "60");
        Type(hazard.rowInHazard->txtRowStep, "2.5");
        Choose(hazard.pgInHazard->getCmboVar(), "Canopy base height");
        Type(hazard.pgInHazard->getTxtVal(), "3");

        ClickTab(FirePage);
        Choose(Child<FireTab>(*form, "fireTab")->pgInFire->getCmboVar(), "Slope");
        Type(Child<FireTab>(*form, "fireTab")->pgInFire->getTxtVal(), "45");
        QVERIFY(ui.messages.empty());

        ui.chosenFiles.push_back(dir.filePath("ridge.unt").toStdString());
        Command(*form, "mnuSaveUnits")->trigger();
        const std::string path = SaveRun("ridge.run");
        QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages[0].c_str());
        const QStringList before = EveryTab(*form, *run);

        Window fresh;
        Open(fresh, path);
        QCOMPARE(fresh.run->globalHCrown, 12000.0);
        QCOMPARE(fresh.run->globalSpreadDirection, int16_t(30));
        Compare(EveryTab(*fresh.form, *fresh.run), before);
    }

    // Without a units set the range comes back in the unit it was typed in, the page value as it
    // was typed, and the flame lengths of the table are those of that page value.
    void rangesAndPageValuesKeepTheirOwnUnits()
    {
        LoadScenario(1, Grass, "North");
        ClickTab(TablePage);
        TablesTab& table = *Child<TablesTab>(*form, "tablesTab");
        Choose(table.tblRowInput->cmboRowVar, "Dead Moisture 1-Hr");
        Type(table.tblRowInput->txtRowMin, "2");
        Type(table.tblRowInput->txtRowMax, "12");
        Type(table.tblRowInput->txtRowStep, "1");
        Choose(table.tblPageInput->getCmboVar(), "Open windspeed");
        Type(table.tblPageInput->getTxtVal(), "15");
        Choose(table.tblColOutput->cmboColVar, "Flame Length (FLML)");
        ClickTab(HazardPage);
        HazChartTab& hazard = *Child<HazChartTab>(*form, "hazChartTab");
        Choose(hazard.rowInHazard->cmboRowUnits, "km/hr");
        Type(hazard.rowInHazard->txtRowMin, "10");
        Type(hazard.rowInHazard->txtRowMax, "60");
        Type(hazard.rowInHazard->txtRowStep, "2.5");
        ClickTab(TablePage);
        const std::string path = SaveRun("plain.run");
        const QStringList before = EveryTab(*form, *run);

        Window fresh;
        Child<QTabBar>(*fresh.form, "TabStrip1")->setCurrentIndex(TablePage);
        Open(fresh, path);
        const TablesTab& reopened = *Child<TablesTab>(*fresh.form, "tablesTab");
        QCOMPARE(reopened.tblPageInput->getTxtVal()->text(), QString("15"));
        MainWindowTestSupport::ClickTab(*fresh.form, *fresh.run, HazardPage);
        const ctlRowInput2& range = *Child<HazChartTab>(*fresh.form, "hazChartTab")->rowInHazard;
        QCOMPARE(range.cmboRowUnits->currentText(), QString("km/hr"));
        QCOMPARE(range.txtRowMin->text() + " " + range.txtRowMax->text() + " " + range.txtRowStep->text(),
                 QString("10 60 2.5"));
        Compare(EveryTab(*fresh.form, *fresh.run), before);
    }
};

QTEST_MAIN(TestRunRoundTrip)
#include "gui_RunRoundTrip.moc"
