#include "base/FileDlg.h"
#include "runs/Module1.h"
#include "base/NumberText.h"
#include "window/TorviForm.h"
#include "base/clsLineReader.h"
#include "window/clsSingleInstance.h"
#include "engine/clsTorvi.h"
#include "window/ctlIn.h"
#include "window/ctlOut.h"
#include "runs/Batch.h"
#include "runs/clsRun.h"
#include "units/clsUnits.h"

#include "support/BoxColour.h"
#include "support/MainWindowTestSupport.h"
#include "support/QtTyping.h"
#include "support/RecordingInteraction.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Command;
using MainWindowTestSupport::Page;
using MainWindowTestSupport::Scenario;

// Boxes of the input panel by field id.
int Box(int field)
{
    return ctlIn::fld2Idx(field);
}

}  // namespace

class TestTorviForm : public MainWindowTestSupport::MainWindowTest {
    Q_OBJECT

    ctlIn& In(int scenario) { return *Scenario<ctlIn>(*form, "inPanel", scenario); }
    ctlOut& Out(int scenario) { return *Scenario<ctlOut>(*form, "outPanel", scenario); }
    // What the status bar says keeps scenarios from calculating.
    QString InputStatus() { return Child<QLabel>(*form, "lblInputStatus")->text(); }

    void Type(int scenario, int field, const QString& text)
    {
        TypeInto(form.get(), In(scenario).txtInp[Box(field)], text);
    }

    // Picks a fuel model with the chooser: click the button, click the code, press OK.
    void ChooseModel(QPushButton* button, const QString& code, bool cancel = false)
    {
        MainWindowTestSupport::ChooseModel(button, code, cancel);
    }

    void PickVegType(int scenario, const QString& type)
    {
        QComboBox* list = In(scenario).cmboVegType;
        list->setCurrentIndex(list->findText(type));
    }

    // Scenario B as the analyst types it: conifer on FM10 surface fuel, dry, windy, on a slope.
    void TypeConiferScenario(int scenario)
    {
        PickVegType(scenario, "conifer");
        ChooseModel(In(scenario).cmdLowFM, "FM10");
        // FM10 carries no live herbaceous fuel: that box is disabled and skipped.
        const std::pair<int, const char*> values[] = {{11, "6"},  {12, "8"}, {13, "10"}, {15, "100"},
                                                      {16, "0.15"}, {17, "6"}, {18, "1"}, {21, "20"},
                                                      {22, "20"}, {23, "0"}};
        for (const auto& [field, text] : values)
            Type(scenario, field, text);
    }

    // Types the inputs of one scenario, by field id.
    void TypeValues(int scenario, std::initializer_list<std::pair<int, const char*>> values)
    {
        for (const auto& [field, text] : values)
            Type(scenario, field, text);
    }

    void LoadFile(int scenario, const std::string& path)
    {
        ui.chosenFiles.push_back(path);
        Command(*form, "mnuLoad")->setData(scenario);
        Command(*form, "mnuLoad")->trigger();
    }

    bool Calculated(int scenario) { return Out(scenario).Events().IsCalculated() && !Out(scenario).txtROS->text().isEmpty(); }

    std::string WriteScenarioFile(const QString& name, const std::string& dataLine)
    {
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << "# a scenario\r\n" << dataLine << "\r\n";
        return path;
    }

private slots:
    void init() { StartMainWindow(); }

    void cleanup() { form.reset(); }

    void showsItsCaptionTabsAndEmptyScenarios()
    {
        QCOMPARE(form->windowTitle(), QString("Torvi v2.1"));
        const QStringList expected = {"Input/Output", "Output Table", "Output Chart", "Hazard Chart",
                                      "Fire Characteristics Chart"};
        QCOMPARE(Child<QTabBar>(*form, "TabStrip1")->count(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(Child<QTabBar>(*form, "TabStrip1")->tabText(i), expected[i]);
        QCOMPARE(Child<QTabBar>(*form, "TabStrip1")->tabToolTip(3), QString("Torvi Hazard Chart"));
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(Scenario<QPushButton>(*form, "scenarioButton", i)->text(), TorviForm::ScenarioCaption(i));
            QCOMPARE(In(i).cmboVegType->currentText(), QString("surface"));
            QCOMPARE(In(i).txtInp[Box(2)]->text(), QString("0.1"));
            QCOMPARE(In(i).txtInp[Box(19)]->text(), QString("100"));
            QVERIFY(!In(i).txtInp[Box(16)]->isEnabled());
            QCOMPARE(Background(In(i).txtInp[Box(16)]), ctlIn::Grey);
            QVERIFY(!In(i).Events().AllValidated());
        }
        // The output chart shares the table's frame.
        Child<QTabBar>(*form, "TabStrip1")->setCurrentIndex(2);
        QCOMPARE(Child<QStackedWidget>(*form, "frames")->currentWidget(), Page(*form, 1));
        QCOMPARE(run->visTab, int16_t(2));
    }

    void aConiferScenarioComputesInTheChosenUnits()
    {
        TypeConiferScenario(2);
        QVERIFY(In(2).Events().AllValidated());
        QCOMPARE(In(2).cmdHiFM->text(), QString("FM10"));
        QVERIFY(!In(2).cmdHiFM->isEnabled());

        // The same scenario given straight to the engine: what the panel must show.
        clsTorviInputs record = run->io(2).IData;
        QCOMPARE(record.VegType, 2);
        QCOMPARE(record.LowInputs.fuelModelID, 10);
        QCOMPARE(record.HighInputs.fuelModelID, 10);
        QCOMPARE(record.OpenWindSpeed, 20.0);
        QCOMPARE(record.CanopyBulkDensity, 0.15);
        QCOMPARE(record.PercentSlope, 20);
        clsTorvi engine;
        engine.FuelModels = run->defFM.fmColl;
        bool success = false;
        const clsTorviOutputs expected = engine.CalculateTorviOutputs(record, success);
        QVERIFY(success);
        const char* fireTypes[] = {"", "surface", "passive", "conditional", "active"};
        QCOMPARE(Out(2).GetFireType(), QString(fireTypes[expected.FireType]));
        QCOMPARE(Out(2).txtROS->text().toStdString(),
                 NumberText::ShortestText(NumberText::RoundToDecimals(expected.RateOfSpread, 2)));
        QCOMPARE(Out(2).txtFlameLen->text().toStdString(),
                 NumberText::ShortestText(NumberText::RoundToDecimals(expected.FlameLength, 1)));
        QVERIFY(!Out(2).txtIdxTorch->text().isEmpty());
        QVERIFY(Out(1).txtROS->text().isEmpty());

        // m/min for the spread rate: the calculated panel is refilled.
        QComboBox* rosList = form->UnitList(run->units.ROSOutUnits);
        QVERIFY(rosList);
        rosList->setCurrentIndex(1);
        emit rosList->activated(1);
        QCOMPARE(Out(2).txtROS->text().toStdString(),
                 NumberText::ShortestText(NumberText::RoundToDecimals(expected.RateOfSpread * 0.335281011, 2)));
        QVERIFY(run->units.UnitsChanged());

        // km/hr for the open wind: the input box shows the stored wind in the new unit.
        QComboBox* windList = form->UnitList(run->units.OpenWindSpdInUnits);
        windList->setCurrentIndex(1);
        emit windList->activated(1);
        QCOMPARE(In(2).txtInp[Box(21)]->text(), QString("32.2"));  // 20 × 1.609348854 = 32.187, within 0.1 %
        QCOMPARE(run->io(2).IData.OpenWindSpeed, 20.0);
    }

    void anOutOfRangeValueTurnsRedAndBlocksTheCalculation()
    {
        TypeConiferScenario(2);
        const QString before = Out(2).txtROS->text();
        Type(2, 2, "0.05");
        QLineEdit* box = In(2).txtInp[Box(2)];
        QCOMPARE(Background(box), ctlIn::Red);
        QVERIFY(!In(2).FieldIsValid(2));
        QCOMPARE(run->io(2).IData.LowInputs.WindReductionFactor, 0.1);  // not stored
        Type(2, 2, "abc");
        QCOMPARE(Background(box), ctlIn::Red);
        Type(2, 2, "");
        QVERIFY(Background(box) != ctlIn::Red);
        QVERIFY(!In(2).Events().AllValidated());
        Type(2, 2, "0.1");
        QVERIFY(Background(box) != ctlIn::Red);
        QVERIFY(In(2).Events().AllValidated());
        QCOMPARE(Out(2).txtROS->text(), before);
    }

    void vegetationTypeRules()
    {
        PickVegType(1, "conifer");
        QCOMPARE(In(1).cmdHiFM->text(), QString("FM10"));
        QVERIFY(!In(1).cmdHiFM->isEnabled());
        QVERIFY(In(1).FuelMdlHiIsValid());
        QVERIFY(In(1).txtInp[Box(17)]->isEnabled());
        QVERIFY(!In(1).txtInp[Box(20)]->isEnabled());
        QCOMPARE(In(1).cmboVegType->toolTip(), QString("conifer crown fire"));

        PickVegType(1, "shrub");
        QCOMPARE(In(1).cmdHiFM->text(), QString("High FM"));
        QVERIFY(In(1).cmdHiFM->isEnabled());
        QVERIFY(!In(1).FuelMdlHiIsValid());
        QVERIFY(In(1).txtInp[Box(20)]->isEnabled());
        QVERIFY(!In(1).txtInp[Box(17)]->isEnabled());
        QCOMPARE(Background(In(1).txtInp[Box(17)]), ctlIn::Grey);

        In(1).SetVegType(4);
        QCOMPARE(In(1).cmboVegType->currentText(), QString("shrub"));
    }

    void zeroLoadsDisableTheirMoistureBoxes()
    {
        ChooseModel(In(1).cmdLowFM, "FM1");  // grass: 1-hour fuel only
        QCOMPARE(In(1).cmdLowFM->text(), QString("FM1"));
        QCOMPARE(In(1).cmdLowFM->toolTip(), QString("Short grass (1 ft)"));
        for (int field : {12, 13, 14, 15}) {
            QVERIFY(!In(1).txtInp[Box(field)]->isEnabled());
            QCOMPARE(Background(In(1).txtInp[Box(field)]), ctlIn::Grey);
            QVERIFY(In(1).FieldIsValid(field));
        }
        QVERIFY(In(1).txtInp[Box(11)]->isEnabled());
        ChooseModel(In(1).cmdLowFM, "FM10");
        QVERIFY(In(1).txtInp[Box(12)]->isEnabled());
        QVERIFY(!In(1).txtInp[Box(14)]->isEnabled());  // no live herbaceous load in FM10
    }

    void theChooserCancelledChangesNothing()
    {
        ChooseModel(In(3).cmdLowFM, "GR4", true);
        QCOMPARE(In(3).cmdLowFM->text(), QString("Low FM"));
        QCOMPARE(In(3).GetFuelMdlLow(), 0);
        QVERIFY(!In(3).FuelMdlLowIsValid());
    }

    void keyboardNavigation()
    {
        PickVegType(1, "shrub");
        QLineEdit* first = In(1).txtInp[1];
        QLineEdit* last = In(1).txtInp[21];
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), first);
        QTest::keyClick(first, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), last);
        QTest::keyClick(last, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), In(1).txtInp[20]);

        // Surface type: the high-side boxes 5 to 8 are skipped.
        PickVegType(1, "surface");
        In(1).txtInp[4]->setFocus();
        QTest::keyClick(In(1).txtInp[4], Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), In(1).txtInp[9]);
        QTest::keyClick(In(1).txtInp[9], Qt::Key_Down);  // on release
        QCOMPARE(QApplication::focusWidget(), In(1).txtInp[10]);
        QTest::keyClick(In(1).txtInp[9], Qt::Key_Up);
        In(1).txtInp[9]->setFocus();
        QTest::keyClick(In(1).txtInp[9], Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), In(1).txtInp[4]);

        // No enabled box after this one: the focus stays.
        for (int box = 19; box <= 21; ++box)
            In(1).txtInp[box]->setEnabled(false);
        In(1).txtInp[18]->setEnabled(true);
        In(1).txtInp[18]->setFocus();
        QTest::keyClick(In(1).txtInp[18], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), In(1).txtInp[18]);
    }

    void savingNeedsAName()
    {
        Command(*form, "mnuSave")->setData(1);
        Command(*form, "mnuSave")->trigger();
        QCOMPARE(ui.messages, std::vector<std::string>{"Please name your scenario before saving it."});
        QVERIFY(ui.fileRequests.empty());
    }

    void namingAndSavingAScenario()
    {
        TypeConiferScenario(1);
        ui.texts.push_back("Ridge top");
        Command(*form, "mnuName")->setData(1);
        Command(*form, "mnuName")->trigger();
        QCOMPARE(ui.textPrompts.back(), std::string("Please enter a name for this scenario | Scenario name | "));
        QCOMPARE(Scenario<QPushButton>(*form, "scenarioButton", 1)->toolTip(), QString("Ridge top"));
        const std::string path = dir.filePath("ridge.scn").toStdString();
        ui.chosenFiles.push_back(path);
        Command(*form, "mnuSave")->setData(1);
        Command(*form, "mnuSave")->trigger();
        QVERIFY(ui.messages.empty());
        QCOMPARE(ui.fileRequests.back().title, std::string("Save scenario input data"));
        QVERIFY(ui.fileRequests.back().save);
        QVERIFY(!In(1).Events().IsDirty());
        clsLineReader saved;
        QVERIFY(saved.Open(path));
        std::string header, rule, data;
        saved.ReadLine(header);
        saved.ReadLine(rule);
        saved.ReadLine(data);
        QCOMPARE(QString::fromStdString(data).simplified(),
                 QString("2 10 0.1 1 1 1 10 0.4 1 1 1 6 8 10 -1 100 0.15 6 1 100 -1 20 20 0 Ridge top"));
    }

    void loadingAScenarioFile()
    {
        const std::string path = WriteScenarioFile(
            "north.scn", "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 North slope");
        ui.chosenFiles.push_back(path);
        Command(*form, "mnuLoad")->setData(3);
        Command(*form, "mnuLoad")->trigger();
        QCOMPARE(ui.fileRequests.back().title, std::string("Load scenario input data"));
        QCOMPARE(In(3).cmboVegType->currentText(), QString("shrub"));
        QCOMPARE(In(3).cmdLowFM->text(), QString("FM5"));
        QCOMPARE(In(3).cmdHiFM->text(), QString("FM4"));
        QCOMPARE(In(3).txtInp[Box(21)]->text(), QString("15"));
        QCOMPARE(In(3).txtInp[Box(20)]->text(), QString("1.22"));  // 4 ft in meters: 4 × 0.3048006 = 1.2192
        QCOMPARE(Scenario<QPushButton>(*form, "scenarioButton", 3)->toolTip(), QString(" North slope"));
        QVERIFY(In(3).Events().AllValidated());
        QVERIFY(!Out(3).GetFireType().isEmpty());
        QVERIFY(!run->units.UnitsChanged());
        // Read back unchanged, though shown rounded.
        QCOMPARE(run->io(3).IData.ShrubTransFlameLength, 4.0);
    }

    void aScenarioWithAnUnknownFuelModelIsRefused()
    {
        const std::string path =
            WriteScenarioFile("odd.scn", "3 77 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 Odd");
        ui.chosenFiles.push_back(path);
        Command(*form, "mnuLoad")->setData(2);
        Command(*form, "mnuLoad")->trigger();
        QCOMPARE(ui.messages.back(),
                 std::string("Fuel Model 77 not loaded. Load the custom fuel model before loading this scenario."));
        QCOMPARE(In(2).cmdLowFM->text(), QString("Low FM"));
    }

    void aMissingCommandLineFileShowsTheUsage()
    {
        const QString missing = dir.filePath("no such file.scn");
        form->Start(missing);
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QCOMPARE(QString::fromStdString(ui.messages.back()),
                 "Error locating scenario file " + missing + "\r\nUsage: " + program + " [ScenarioFileName] ");
        QCOMPARE(In(1).cmdLowFM->text(), QString("Low FM"));
    }

    void theCommandLineLoadsScenarioA()
    {
        const std::string path = WriteScenarioFile(
            "with space.scn", "3 10 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 5 0 0 Flat");
        form->Start(QString::fromStdString(path));
        QCOMPARE(In(1).cmdLowFM->text(), QString("FM10"));
        QCOMPARE(Out(1).GetFireType(), QString("surface"));
        QVERIFY(Out(1).txtIdxTorch->text().isEmpty());
        QVERIFY(!Out(1).txtIdxSurface->text().isEmpty());
    }

    void linkedSizeClassMoistures()
    {
        Command(*form, "mnuFuelSzCls")->trigger();
        QVERIFY(Command(*form, "mnuFuelSzCls")->isChecked());
        QVERIFY(!In(2).txtInp[Box(12)]->isEnabled());
        Type(2, 11, "6");
        QCOMPARE(In(2).txtInp[Box(12)]->text(), QString("7"));
        QCOMPARE(In(2).txtInp[Box(13)]->text(), QString("8"));
        QCOMPARE(run->io(2).IData.Dead100HrMC, 8.0);
        Command(*form, "mnuFuelSzCls")->trigger();
        QVERIFY(In(2).txtInp[Box(12)]->isEnabled());
    }

    void linkedScenarioMoistures()
    {
        TypeValues(1, {{11, "6"}, {12, "8"}, {13, "10"}, {14, "60"}, {15, "90"}});
        Command(*form, "mnuScenarioFuel")->trigger();
        for (int i = 2; i <= 4; ++i)
            for (int field : {11, 12, 13, 14, 15})
                QVERIFY(!In(i).txtInp[Box(field)]->isEnabled());
        QVERIFY(In(1).txtInp[Box(15)]->isEnabled());
        Type(1, 15, "120");
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(In(i).txtInp[Box(15)]->text(), QString("120"));
        QCOMPARE(run->io(4).IData.LiveWoodyMC, 120.0);
        Command(*form, "mnuScenarioFuel")->trigger();
        QVERIFY(In(3).txtInp[Box(11)]->isEnabled());
    }

    // Scenario A's moistures go only where A holds a value and B uses the size class; B's other
    // moistures stay B's own, never a 0 that nobody typed.
    void theScenarioLinkCopiesOnlyWhatScenarioAHolds()
    {
        // A in FM10 carries no live herbaceous fuel; B in GR2 nothing but 1-hour fuel and live herbs.
        ChooseModel(In(1).cmdLowFM, "FM10");
        TypeValues(1, {{11, "6"}, {12, "8"}, {13, "10"}, {15, "100"}});
        ChooseModel(In(2).cmdLowFM, "GR2");
        Command(*form, "mnuScenarioFuel")->trigger();
        QLineEdit* oneHour = In(2).txtInp[Box(11)];
        QLineEdit* herbs = In(2).txtInp[Box(14)];
        QCOMPARE(oneHour->text(), QString("6"));
        QVERIFY(!oneHour->isEnabled());
        QVERIFY(herbs->isEnabled());
        QCOMPARE(herbs->text(), QString());
        QVERIFY(Background(herbs) != ctlIn::Red);
        QCOMPARE(In(2).txtInp[Box(15)]->text(), QString());  // B has no live woody fuel
        QVERIFY(!Calculated(2));

        TypeValues(2, {{14, "60"}, {21, "10"}, {22, "0"}, {23, "0"}});
        QVERIFY(Calculated(2));
        QCOMPARE(run->io(2).IData.Dead1HrMC, 6.0);
        QCOMPARE(run->io(2).IData.LiveHerbMC, 60.0);
        QVERIFY(ui.messages.empty());
    }

    void theScenarioLinkLeavesBTheMoisturesAHasNone()
    {
        // A in GS1 carries no 10-hour or 100-hour fuel, B in TU1 does.
        ChooseModel(In(1).cmdLowFM, "GS1");
        TypeValues(1, {{11, "6"}, {14, "60"}, {15, "90"}});
        ChooseModel(In(2).cmdLowFM, "TU1");
        TypeValues(2, {{21, "10"}, {22, "0"}, {23, "0"}});
        Command(*form, "mnuScenarioFuel")->trigger();
        for (int field : {12, 13}) {
            QVERIFY(In(2).txtInp[Box(field)]->isEnabled());
            QCOMPARE(In(2).txtInp[Box(field)]->text(), QString());
        }
        QCOMPARE(run->io(2).IData.Dead10HrMC, 0.0);
        QVERIFY(!Calculated(2));  // not silently with a 10-hour moisture of 0

        TypeValues(2, {{12, "8"}, {13, "10"}});
        QVERIFY(Calculated(2));
        QCOMPARE(run->io(2).IData.Dead10HrMC, 8.0);
        // A new moisture of A reaches B, and B is calculated with it.
        const QString before = Out(2).txtROS->text();
        Type(1, 14, "120");
        QCOMPARE(In(2).txtInp[Box(14)]->text(), QString("120"));
        QCOMPARE(run->io(2).IData.LiveHerbMC, 120.0);
        QVERIFY(Calculated(2));
        QVERIFY(Out(2).txtROS->text() != before);
    }

    // Where Scenario A uses a size class but its box is empty, the linked scenarios keep their own box.
    void theScenarioLinkPassesOverAnEmptyBoxOfScenarioA()
    {
        ChooseModel(In(1).cmdLowFM, "GS1");  // live herbaceous fuel, its box left empty
        TypeValues(1, {{11, "6"}, {15, "90"}});
        ChooseModel(In(2).cmdLowFM, "GR2");
        TypeValues(2, {{14, "120"}, {21, "10"}, {22, "0"}, {23, "0"}});
        Command(*form, "mnuScenarioFuel")->trigger();
        QLineEdit* herbsB = In(2).txtInp[Box(14)];
        QVERIFY(herbsB->isEnabled());
        QCOMPARE(herbsB->text(), QString("120"));
        QVERIFY(!In(2).txtInp[Box(11)]->isEnabled());
        QVERIFY(Calculated(2));
        Type(2, 14, "80");
        QCOMPARE(run->io(2).IData.LiveHerbMC, 80.0);

        // C given a fuel model under the link: its live herbaceous box is its own to fill.
        ChooseModel(In(3).cmdLowFM, "TU1");
        TypeValues(3, {{12, "8"}, {13, "10"}, {14, "70"}, {21, "10"}, {22, "0"}, {23, "0"}});
        QVERIFY(In(3).txtInp[Box(14)]->isEnabled());
        QVERIFY(Calculated(3));
        QCOMPARE(run->io(3).IData.LiveHerbMC, 70.0);
        QCOMPARE(run->io(3).IData.LiveWoodyMC, 90.0);
        QCOMPARE(InputStatus(), QString("Scenario A: MCLH (Live herbaceous moisture content) is empty"));

        // A value in A's box is followed; emptied again, the scenarios' own boxes are used.
        Type(1, 14, "100");
        for (int i : {2, 3}) {
            QVERIFY(!In(i).txtInp[Box(14)]->isEnabled());
            QCOMPARE(In(i).txtInp[Box(14)]->text(), QString("100"));
            QCOMPARE(run->io(i).IData.LiveHerbMC, 100.0);
        }
        // A's box emptied: what the others showed was A's value, not theirs.
        Type(1, 14, "");
        QVERIFY(herbsB->isEnabled());
        QCOMPARE(herbsB->text(), QString());
        QCOMPARE(InputStatus(), QString("Scenario A: MCLH (Live herbaceous moisture content) is empty; "
                                        "Scenario B: MCLH (Live herbaceous moisture content) is empty; "
                                        "Scenario C: MCLH (Live herbaceous moisture content) is empty"));
        Type(2, 14, "150");
        QCOMPARE(run->io(2).IData.LiveHerbMC, 150.0);
        QVERIFY(Calculated(2));
    }

    // A linked scenario whose fuel model now carries a size class takes A's moisture for it.
    void aLinkedScenarioFollowsScenarioAForItsNewFuelModel()
    {
        ChooseModel(In(1).cmdLowFM, "TU1");
        TypeValues(1, {{11, "6"}, {12, "8"}, {13, "10"}, {14, "60"}, {15, "107"}, {21, "10"}, {22, "0"}, {23, "0"}});
        // D keeps a live woody moisture of its own from before GR2, which carries no live woody fuel.
        ChooseModel(In(4).cmdLowFM, "TU1");
        TypeValues(4, {{15, "100"}});
        ChooseModel(In(4).cmdLowFM, "GR2");
        ChooseModel(In(2).cmdLowFM, "GR2");
        Command(*form, "mnuScenarioFuel")->trigger();
        for (int i : {2, 4}) {
            ChooseModel(In(i).cmdLowFM, "TU1");
            QLineEdit* woody = In(i).txtInp[Box(15)];
            QVERIFY(!woody->isEnabled());
            QCOMPARE(woody->text(), QString("107"));
            QCOMPARE(run->io(i).IData.LiveWoodyMC, 107.0);
            QCOMPARE(In(i).txtInp[Box(12)]->text(), QString("8"));
            TypeValues(i, {{21, "10"}, {22, "0"}, {23, "0"}});
            QVERIFY(Calculated(i));
        }
        QCOMPARE(InputStatus(), QString());
    }

    // Exit asks to save only the scenarios whose values the link changed.
    void turningTheLinkOnChangesOnlyScenariosWhoseValuesChange()
    {
        for (int i : {1, 2, 3}) {
            ChooseModel(In(i).cmdLowFM, "FM1");
            TypeValues(i, {{11, i == 3 ? "9" : "6"}});
        }
        for (int i = 1; i <= 4; ++i)
            In(i).Events().SetIsDirty(false);  // as after a save
        Command(*form, "mnuScenarioFuel")->trigger();
        QCOMPARE(In(3).txtInp[Box(11)]->text(), QString("6"));
        QCOMPARE(In(4).txtInp[Box(11)]->text(), QString("6"));
        Command(*form, "mnuExit")->trigger();
        std::vector<std::string> asked;
        for (const std::string& question : ui.questions)
            if (question.rfind("Data in ", 0) == 0)
                asked.push_back(question);
        QCOMPARE(asked, std::vector<std::string>{"Data in Scenario C has changed. Would you like to Save changes?"});
    }

    // Outputs beside inputs that do not validate would belong to other inputs.
    void outputsAreEmptiedWhenTheInputsStopValidating()
    {
        TypeConiferScenario(2);
        QVERIFY(Calculated(2));
        Type(2, 21, "75");  // above the open wind speed maximum
        QVERIFY(!Calculated(2));
        QVERIFY(Out(2).GetFireType().isEmpty());
        QVERIFY(Out(2).txtFlameLen->text().isEmpty());
        Type(2, 21, "20");
        QVERIFY(Calculated(2));

        PickVegType(2, "shrub");  // a shrub field needs a high fuel model
        QVERIFY(!Calculated(2));
        PickVegType(2, "conifer");
        QVERIFY(Calculated(2));

        // A scenario file whose 10-hour moisture is out of range, loaded over the calculated one.
        LoadFile(2, WriteScenarioFile("wet.scn", "2 10 0.1 1 1 1 10 0.4 1 1 1 6 70 10 0 100 0.15 6 1 100 0 20 20 0 Wet"));
        QCOMPARE(In(2).txtInp[Box(12)]->text(), QString("70"));
        QVERIFY(!Calculated(2));
        QVERIFY(Out(2).txtIdxSurface->text().isEmpty());
    }

    // A stored value with more decimals than the display shows them all: it is what is calculated.
    void storedValuesAreShownAsTheyAreCalculated()
    {
        LoadFile(1, WriteScenarioFile("stand.scn",
                                      "2 10 0.15 1 1 1 10 0.4 1 1 1 6 8 10 0 100 0.15 6 1 95.5 0 20 20 0 Stand"));
        QCOMPARE(In(1).txtInp[Box(2)]->text(), QString("0.15"));
        QCOMPARE(In(1).txtInp[Box(19)]->text(), QString("95.5"));
        QCOMPARE(In(1).txtInp[Box(16)]->text(), QString("0.15"));
        QCOMPARE(In(1).txtInp[Box(21)]->text(), QString("20"));
        QVERIFY(Calculated(1));
        const clsTorviInputs& record = run->io(1).IData;
        QCOMPARE(record.LowInputs.WindReductionFactor, 0.15);
        QCOMPARE(record.ConiferFoliarMC, 95.5);

        // Typed again as shown, the value is the same.
        Type(1, 19, "95.5");
        QCOMPARE(run->io(1).IData.ConiferFoliarMC, 95.5);
    }

    void moistureBoxesFollowBothOptionsAndTheLoads()
    {
        Command(*form, "mnuFuelSzCls")->trigger();
        // With the 1-hour box empty the other two wait for it: grey, but not what is missing.
        for (int field : {12, 13}) {
            QVERIFY(!In(1).txtInp[Box(field)]->isEnabled());
            QVERIFY(In(1).FieldIsValid(field));
        }
        ChooseModel(In(1).cmdLowFM, "FM10");
        QVERIFY(Command(*form, "mnuFuelSzCls")->isChecked());
        QVERIFY(!In(1).txtInp[Box(12)]->isEnabled());
        QVERIFY(!In(1).txtInp[Box(13)]->isEnabled());
        QVERIFY(!In(1).txtInp[Box(14)]->isEnabled());  // no live herbaceous load in FM10
        Type(1, 11, "6");
        QCOMPARE(In(1).txtInp[Box(12)]->text(), QString("7"));
        QCOMPARE(In(1).txtInp[Box(13)]->text(), QString("8"));

        // Scenario B follows A; the size class option off leaves B's 10-hour box to the other one.
        Command(*form, "mnuScenarioFuel")->trigger();
        Command(*form, "mnuFuelSzCls")->trigger();
        QVERIFY(In(1).txtInp[Box(12)]->isEnabled());
        QCOMPARE(In(2).txtInp[Box(12)]->text(), QString("7"));
        QVERIFY(!In(2).txtInp[Box(12)]->isEnabled());
        QVERIFY(!In(2).txtInp[Box(11)]->isEnabled());

        // Cleared, B still follows A: A's moistures, B's own boxes where A holds none.
        Command(*form, "mnuClear")->setData(2);
        Command(*form, "mnuClear")->trigger();
        for (int field : {11, 12, 13})
            QVERIFY(!In(2).txtInp[Box(field)]->isEnabled());
        for (int field : {14, 15})
            QVERIFY(In(2).txtInp[Box(field)]->isEnabled());
        QCOMPARE(In(2).txtInp[Box(11)]->text(), QString("6"));
        QVERIFY(!In(2).Events().IsDirty());

        // A fuel model chosen in B, and B's own boxes are those of its loads.
        ChooseModel(In(2).cmdLowFM, "FM1");
        QVERIFY(!In(2).txtInp[Box(14)]->isEnabled());
        QVERIFY(!In(2).txtInp[Box(11)]->isEnabled());
        Command(*form, "mnuScenarioFuel")->trigger();
        QVERIFY(In(2).txtInp[Box(11)]->isEnabled());
        QVERIFY(!In(2).txtInp[Box(12)]->isEnabled());  // FM1 has no 10-hour fuel
    }

    // A unit change shows the stored values in the new unit and changes nothing else.
    void aUnitChangeOnlyRedisplays()
    {
        TypeConiferScenario(2);
        std::array<clsTorviInputs, 5> before;
        for (int i = 1; i <= 4; ++i) {
            In(i).Events().SetIsDirty(false);  // as after a save
            before[i] = run->io(i).IData;
        }
        const QString spreadRate = Out(2).txtROS->text();
        QComboBox* densityList = form->UnitList(run->units.CanopyBDInUnits);
        densityList->setCurrentIndex(1);  // lbs/ft3
        emit densityList->activated(1);
        QCOMPARE(In(2).txtInp[Box(16)]->text(), QString("0.00936"));  // 0.15 × 0.062427885 = 0.0093642, within 0.1 %
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(!In(i).Events().IsDirty());
            QCOMPARE(run->io(i).IData.CanopyBulkDensity, before[i].CanopyBulkDensity);
            QCOMPARE(run->io(i).IData.CanopyBaseHeight, before[i].CanopyBaseHeight);
        }
        // The surface scenarios' disabled canopy boxes stay empty.
        QCOMPARE(In(1).txtInp[Box(16)]->text(), QString());
        QCOMPARE(In(3).txtInp[Box(17)]->text(), QString());
        QCOMPARE(Out(2).txtROS->text(), spreadRate);
    }

    void aLoadedScenarioIsCleanAndAnEmptyFileChangesNothing()
    {
        const std::string north = WriteScenarioFile(
            "north.scn", "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 North slope");
        LoadFile(3, north);
        QVERIFY(!In(3).Events().IsDirty());
        QVERIFY(Calculated(3));

        const std::string empty = dir.filePath("headers only.scn").toStdString();
        std::ofstream(empty, std::ios::binary) << "# SIMT FMlow\r\n# ----\r\n\r\n";
        LoadFile(3, empty);
        QCOMPARE(ui.messages, std::vector<std::string>{"No scenario found in Scenario Input file: " + empty});
        QCOMPARE(In(3).cmdLowFM->text(), QString("FM5"));
        QCOMPARE(run->io(3).fileName, north);
        QVERIFY(Calculated(3));
    }

    // Without message boxes: the status bar names what keeps each scenario from calculating.
    void aScenarioThatCannotCalculateSaysWhy()
    {
        QCOMPARE(InputStatus(), QString());  // scenarios not begun say nothing
        PickVegType(2, "conifer");
        ChooseModel(In(2).cmdLowFM, "FM10");
        TypeValues(2, {{11, "6"}, {12, "8"}, {13, "10"}, {15, "100"}, {16, "0.15"}, {17, "6"}, {21, "20"},
                       {22, "20"}, {23, "0"}});
        QCOMPARE(InputStatus(), QString("Scenario B: ACFL (Available canopy fuel load) is empty"));
        Type(2, 18, "16");
        QCOMPARE(InputStatus(),
                 QString("Scenario B: ACFL (Available canopy fuel load) is out of range"));
        QCOMPARE(Background(In(2).txtInp[Box(18)]), ctlIn::Red);
        Type(2, 18, "x");
        QCOMPARE(InputStatus(),
                 QString("Scenario B: ACFL (Available canopy fuel load) is not a number"));
        Type(1, 21, "10");
        QCOMPARE(InputStatus(),
                 QString("Scenario A: FMCDlow (Fuel model code for LOW fuel model) is not chosen; "
                         "Scenario B: ACFL (Available canopy fuel load) is not a number"));
        Type(2, 18, "1");
        QVERIFY(Calculated(2));
        QCOMPARE(InputStatus(),
                 QString("Scenario A: FMCDlow (Fuel model code for LOW fuel model) is not chosen"));
        QVERIFY(ui.messages.empty());
    }

    // FM8 under a conifer canopy at a 1-hour moisture of 28 %: FM10, the crown model, is past its
    // extinction. The surface fire is a result; what needs an active crown fire is "N/A".
    void aCanopyTooWetToCarryFireShowsNotReachable()
    {
        TypeConiferScenario(2);
        ChooseModel(In(2).cmdLowFM, "FM8");
        Type(2, 11, "28");
        QVERIFY(Calculated(2));
        QCOMPARE(Out(2).GetFireType(), QString("surface"));
        for (QLineEdit* box : {Out(2).txtIdxCrown, Out(2).txtIdxSurface, Out(2).txtASCanopyBD, Out(2).txtOCess})
            QCOMPARE(box->text(), QString("N/A"));
        for (QLineEdit* box : {Out(2).txtROS, Out(2).txtIdxTorch, Out(2).txtInitCritSurfROS, Out(2).txtASRactive}) {
            bool number = false;
            QVERIFY2(box->text().toDouble(&number) > 0 && number, qPrintable(box->objectName() + " " + box->text()));
        }
        QCOMPARE(Out(2).txtCrownFB->text(), QString("0"));
        QVERIFY(ui.messages.empty());
        QCOMPARE(InputStatus(), QString());
    }

    // A calculation that fails shows no output, not zeros, and the status bar says why.
    void aFailedCalculationEmptiesThePanelAndNamesTheFailure()
    {
        TypeConiferScenario(2);
        QVERIFY(Calculated(2));
        run->torvi.FuelModels = nullptr;
        Type(2, 21, "15");
        QVERIFY(Out(2).txtROS->text().isEmpty());
        QVERIFY(Out(2).GetFireType().isEmpty());
        QVERIFY(Out(2).txtIdxTorch->text().isEmpty());
        QCOMPARE(InputStatus(),
                 QString("Scenario B: CalculateTorviOutputs Failure[1000] Cannot run Torvi calcs.  You need to "
                         "provide the fuel models first."));
        run->torvi.FuelModels = run->defFM.fmColl;
        Type(2, 21, "20");
        QVERIFY(Calculated(2));
        QCOMPARE(InputStatus(), QString());
    }

    void aConiferStandShowsItsFixedHighWindReductionFactor()
    {
        PickVegType(1, "conifer");
        QCOMPARE(In(1).txtInp[Box(7)]->text(), QString("0.4"));
        QVERIFY(!In(1).txtInp[Box(7)]->isEnabled());
        QCOMPARE(run->io(1).IData.HighInputs.WindReductionFactor, 0.4);

        // The stand's high load multiplier is not typed but counts: an empty box holds it back.
        PickVegType(1, "shrub");
        Type(1, 9, "");
        PickVegType(1, "conifer");
        QVERIFY(!In(1).txtInp[Box(9)]->isEnabled());
        QVERIFY(!In(1).FieldIsValid(9));
        QVERIFY(In(1).FieldIsValid(10));
    }

    // Whatever the window calculates, batch processing calculates the same from the saved file.
    void aSavedScenarioGivesTheSameResultThroughBatch()
    {
        PickVegType(1, "conifer");
        ChooseModel(In(1).cmdLowFM, "TU5");  // no live herbaceous fuel: that box is not asked for
        TypeValues(1, {{11, "6"}, {12, "8"}, {13, "10"}, {15, "100"}, {16, "0.15"}, {17, "6"}, {18, "1"},
                       {21, "20"}, {22, "20"}, {23, "0"}});
        QVERIFY(!In(1).txtInp[Box(14)]->isEnabled());
        QVERIFY(Calculated(1));
        ui.texts.push_back("TU5 stand");
        Command(*form, "mnuName")->setData(1);
        Command(*form, "mnuName")->trigger();
        const std::string saved = dir.filePath("tu5.scn").toStdString();
        ui.chosenFiles.push_back(saved);
        Command(*form, "mnuSave")->setData(1);
        Command(*form, "mnuSave")->trigger();

        Batch batch(*run, ui);
        batch.gBatchIO.fileName = saved;
        batch.gBatchIO.ofileName = dir.filePath("tu5.out").toStdString();
        const Batch::Result result = batch.ProcessBatch();
        QCOMPARE(result.errors, 0);
        QCOMPARE(result.datasets, 1);
        ScenarioOutput_IO writer(run->units);
        const std::string direct = dir.filePath("direct.out").toStdString();
        QVERIFY(writer.SaveScenOutp(direct, run->io(1).OData, "TU5 stand"));
        auto whole = [](const std::string& file) {
            std::ifstream in(file, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        };
        QCOMPARE(whole(batch.gBatchIO.ofileName), whole(direct));
    }

    // A box left empty is saved as no value and comes back empty: never a 0 that nobody typed.
    void anEmptyBoxIsSavedAndLoadedAsNoValue()
    {
        PickVegType(1, "conifer");
        ChooseModel(In(1).cmdLowFM, "TU5");  // no live herbaceous fuel; no shrub transition for conifer
        TypeValues(1, {{11, "6"}, {12, "8"}, {13, "10"}, {15, "100"}, {16, "0.15"}, {17, "6"}, {18, "1"},
                       {21, "20"}, {22, "20"}, {23, "0"}});
        ui.texts.push_back("Stand");
        Command(*form, "mnuName")->setData(1);
        Command(*form, "mnuName")->trigger();
        const std::string saved = dir.filePath("stand.scn").toStdString();
        ui.chosenFiles.push_back(saved);
        Command(*form, "mnuSave")->setData(1);
        Command(*form, "mnuSave")->trigger();
        std::ifstream file(saved);
        std::string line, last;
        while (std::getline(file, line))
            last = line;
        const QStringList values = QString::fromStdString(last).split(' ', Qt::SkipEmptyParts);
        QCOMPARE(values.value(14), QString("-1"));
        QCOMPARE(values.value(20), QString("-1"));

        LoadFile(2, saved);
        for (int field : {14, 20}) {
            QCOMPARE(In(2).txtInp[Box(field)]->text(), QString());
            QVERIFY(!In(2).txtInp[Box(field)]->isEnabled());
        }
        QVERIFY(Calculated(2));
        QCOMPARE(Out(2).txtROS->text(), Out(1).txtROS->text());

        // Used again, the boxes are empty and named as missing, not a red 0.
        MainWindowTestSupport::Choose(In(2).cmboVegType, "shrub");
        for (int field : {14, 20}) {
            QLineEdit* box = In(2).txtInp[Box(field)];
            QVERIFY(box->isEnabled());
            QCOMPARE(box->text(), QString());
            QVERIFY(Background(box) != ctlIn::Red);
        }
        MainWindowTestSupport::Choose(In(2).cmboVegType, "conifer");
        ChooseModel(In(2).cmdLowFM, "TU1");
        QCOMPARE(InputStatus(), QString("Scenario B: MCLH (Live herbaceous moisture content) is empty"));
        QVERIFY(!Calculated(2));
    }

    // Under the size class link a loaded scenario's 10-hour and 100-hour moistures follow its
    // 1-hour one, and the scenario differs from its file.
    void aScenarioLoadedUnderTheSizeClassLinkFollowsIt()
    {
        Command(*form, "mnuFuelSzCls")->trigger();
        LoadFile(1, WriteScenarioFile("ridge-top.scn", std::string(MainWindowTestSupport::Timber) + " Ridge top"));
        QCOMPARE(In(1).txtInp[Box(12)]->text(), QString("7"));
        QCOMPARE(In(1).txtInp[Box(13)]->text(), QString("8"));
        QVERIFY(Calculated(1));
        QCOMPARE(run->io(1).IData.Dead10HrMC, 7.0);
        QCOMPARE(run->io(1).IData.Dead100HrMC, 8.0);
        QVERIFY(In(1).Events().IsDirty());

        // Without the link the file's values stand, and nothing is to be saved.
        Command(*form, "mnuFuelSzCls")->trigger();
        LoadFile(2, WriteScenarioFile("ridge-top.scn", std::string(MainWindowTestSupport::Timber) + " Ridge top"));
        QCOMPARE(In(2).txtInp[Box(13)]->text(), QString("10"));
        QVERIFY(!In(2).Events().IsDirty());
    }

    // A scenario begun by its simulation type alone is named as soon as it cannot calculate.
    void aScenarioBegunByItsTypeIsNamed()
    {
        MainWindowTestSupport::Choose(In(2).cmboVegType, "conifer");
        QCOMPARE(InputStatus(),
                 QString("Scenario B: FMCDlow (Fuel model code for LOW fuel model) is not chosen"));
    }

    void helpEntriesOpenTheirTopics()
    {
        Command(*form, "mnuHelpAbout")->trigger();
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-9.html"));
        Command(*form, "mnuScenHelp")->trigger();
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("topic-8.html"));
        Command(*form, "mnuHelpTOC")->trigger();
        QCOMPARE(QFileInfo(form->Help().LastPage()).fileName(), QString("index.html"));
    }

    void aSecondInstanceIsRecognised()
    {
        const QString name = "OrvaneTest-" + QString::number(QCoreApplication::applicationPid());
        clsSingleInstance first(name);
        QVERIFY(!first.AnotherIsRunning());
        clsSingleInstance second(name);
        QVERIFY(second.AnotherIsRunning());
    }
};

QTEST_MAIN(TestTorviForm)
#include "gui_TorviForm.moc"
