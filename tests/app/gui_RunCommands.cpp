#include "base/FileDlg.h"
#include "base/FileDlgInteraction.h"
#include "window/RunCommands.h"
#include "base/NumberText.h"
#include "window/TorviForm.h"
#include "base/clsLineReader.h"
#include "window/ctlIn.h"
#include "window/ctlOut.h"
#include "runs/clsRun.h"
#include "window/TablesTab.h"
#include "window/ctlRowInput.h"
#include "window/frmGlobalSettings.h"

#include "support/MainWindowTestSupport.h"
#include "support/RecordingInteraction.h"
#include "support/TempDir.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

using MainWindowTestSupport::Child;
using MainWindowTestSupport::Scenario;

const QString BinDir = ORVANE_BIN_DIR;
const std::string UserFiles = (std::filesystem::path(ORVANE_BIN_DIR) / "userfiles").string();
const std::string RunsFixtures =
    (std::filesystem::path(ORVANE_TEST_FIXTURES).parent_path().parent_path() / "runs" / "fixtures").string();

// Everything the program asks, in the order asked.
class SequenceInteraction : public RecordingInteraction {
public:
    void ShowMessage(const std::string& text) override
    {
        events.push_back("message: " + text);
        RecordingInteraction::ShowMessage(text);
    }
    bool AskYesNo(const std::string& text, const std::string& title = "") override
    {
        events.push_back("question: " + title);
        return RecordingInteraction::AskYesNo(text, title);
    }
    Answer AskYesNoCancel(const std::string& text, const std::string& title = "") override
    {
        if (!choices.empty())
            events.push_back("question: " + title);
        return RecordingInteraction::AskYesNoCancel(text, title);
    }
    std::string ChooseFile(const FileRequest& request) override
    {
        events.push_back("dialog: " + request.title);
        return RecordingInteraction::ChooseFile(request);
    }
    std::vector<std::string> events;
};

// The program as its start-up builds it: one file dialog object for every dialog, the run, the
// standard fuel models, the main window.
struct Orvane {
    explicit Orvane(SequenceInteraction& ui, const QString& programDir = BinDir)
        : fileDlg(programDir.toStdString()), runUi(ui, fileDlg), run(runUi)
    {
        run.run_IO.programDir = programDir.toStdString();
        run.LoadFuelModelFile(std::string(ORVANE_BIN_DIR) + "/ModelParameters.f");
        form = std::make_unique<TorviForm>(run, fileDlg, ui, programDir);
        form->show();
        form->Start("");
    }
    ctlIn& In(int scenario) { return *Scenario<ctlIn>(*form, "inPanel", scenario); }
    ctlOut& Out(int scenario) { return *Scenario<ctlOut>(*form, "outPanel", scenario); }
    // A menu command and a run field of the window, by name.
    QAction* Command(const char* name) { return MainWindowTestSupport::Command(*form, name); }
    QLineEdit* Field(const char* name) { return Child<QLineEdit>(*form, name); }

    FileDlg fileDlg;
    FileDlgInteraction runUi;
    clsRun run;
    std::unique_ptr<TorviForm> form;
};

const std::string NorthSlope = "1 5 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 15 30 90 North slope";
const std::string Flat = "3 10 0.4 1 1 1 4 0.5 1 1 1 6 7 8 90 110 0.2 0 1 100 4 5 0 0 Flat";

std::string WriteScenario(const TempDir& dir, const std::string& name, const std::string& line)
{
    return dir.Write(name, "# a scenario\r\n" + line + "\r\n");
}

void Trigger(QAction* entry, int scenario = 0)
{
    if (scenario)
        entry->setData(scenario);
    entry->trigger();
}

void PickUnit(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// A value typed into a box of a scenario, which is then left: the panel now holds unsaved data.
void TypeInto(ctlIn& panel, int field, const QString& text)
{
    QLineEdit* box = panel.txtInp[ctlIn::fld2Idx(field)];
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

// The values of the one data line of a scenario file.
std::vector<std::string> DataValues(const std::string& file)
{
    clsLineReader in;
    in.Open(file);
    std::string line;
    while (in.ReadLine(line) == clsLineReader::Result::Line)
        if (!line.empty() && line[0] != '#')
            return NumberText::SplitBlanks(line);
    return {};
}

std::string RoundedText(double value, int decimals)
{
    return NumberText::ShortestText(NumberText::RoundToDecimals(value, decimals));
}

}  // namespace

class TestRunCommands : public QObject {
    Q_OBJECT

    SequenceInteraction ui;
    std::unique_ptr<Orvane> app;
    std::unique_ptr<TempDir> dir;

private slots:
    void init()
    {
        ui = SequenceInteraction();
        dir = std::make_unique<TempDir>();
        app = std::make_unique<Orvane>(ui);
        QVERIFY(QTest::qWaitForWindowExposed(app->form.get()));
    }

    void cleanup()
    {
        app.reset();
        dir.reset();
    }

    // What the analyst saves (names, scenarios, units, tab settings) is what a fresh program shows
    // after opening the run file.
    void aSavedRunReopensInAFreshProgram()
    {
        ui.chosenFiles = {WriteScenario(*dir, "north.scn", NorthSlope), WriteScenario(*dir, "flat.scn", Flat)};
        Trigger(app->Command("mnuLoad"), 1);
        Trigger(app->Command("mnuLoad"), 3);
        PickUnit(app->form->UnitList(app->run.units.ROSOutUnits), 1);  // m/min
        QTest::keyClicks(app->Field("txtRun"), "Ridge plan");
        QTest::keyClicks(app->Field("txtAnalyst"), "Kim");
        app->run.tblch_input_var = 3;
        app->run.haz_input_max = 30;
        app->run.fire_page_var = 2;
        ui.chosenFiles = {dir->File("ridge.unt"), dir->File("ridge.run")};
        Trigger(app->Command("mnuSaveUnits"));
        Trigger(app->Command("mnuSaveMain"));
        QVERIFY(ui.messages.empty());
        QCOMPARE(app->Field("txtRunFile")->text().toStdString(), dir->File("ridge.run"));
        QVERIFY(!app->run.IsDirty);
        const std::string saved = ReadBytes(dir->File("ridge.run"));
        QVERIFY(saved.find("Name:Ridge plan\r\n") != std::string::npos);
        QVERIFY(saved.find("\r\nUnt:ridge.unt\r\nFmd:\r\nScn:north.scn|+|flat.scn\r\nTbl Vars:3|+|") != std::string::npos);

        SequenceInteraction freshUi;
        Orvane fresh(freshUi);
        Child<QTabBar>(*fresh.form, "TabStrip1")->setCurrentIndex(1);  // the output table is the visible view
        freshUi.chosenFiles = {dir->File("ridge.run")};
        Trigger(fresh.Command("mnuOpenRun"));
        QCOMPARE(freshUi.events, std::vector<std::string>{"dialog: Load Torvi run data"});
        QCOMPARE(freshUi.fileRequests[0].filter, std::string("Torvi run files (*.run)|*.run"));
        QCOMPARE(freshUi.fileRequests[0].initDir, UserFiles);
        QCOMPARE(fresh.Field("txtRun")->text(), QString("Ridge plan"));
        QCOMPARE(fresh.Field("txtAnalyst")->text(), QString("Kim"));
        QCOMPARE(fresh.Field("txtRunFile")->text().toStdString(), dir->File("ridge.run"));
        QCOMPARE(fresh.In(1).cmdLowFM->text(), QString("FM5"));
        QCOMPARE(fresh.In(2).cmdLowFM->text(), QString("FM10"));  // saved from scenario C
        QCOMPARE(fresh.In(3).cmdLowFM->text(), QString("Low FM"));
        QCOMPARE(Scenario<QPushButton>(*fresh.form, "scenarioButton", 2)->toolTip(), QString(" Flat"));
        QCOMPARE(fresh.form->UnitList(fresh.run.units.ROSOutUnits)->currentText(), QString("m/min"));
        QCOMPARE(fresh.Out(1).txtROS->text().toStdString(),
                 RoundedText(fresh.run.io(1).OData.RateOfSpread * 0.335281011, 2));
        QVERIFY(!fresh.Out(2).GetFireType().isEmpty());
        QCOMPARE(fresh.run.tblch_input_var, int16_t(3));
        QCOMPARE(fresh.run.haz_input_max, 30.0);
        QCOMPARE(fresh.run.fire_page_var, int16_t(2));
        // The visible table view shows the restored row variable (list position 3).
        QCOMPARE(Child<TablesTab>(*fresh.form, "tablesTab")->tblRowInput->cmboRowVar->currentText(),
                 QString("Live herb  moisture"));
        QVERIFY(fresh.run.IsLoaded);

        // Nothing was changed since: leaving asks nothing.
        Trigger(fresh.Command("mnuExit"));
        QCOMPARE(freshUi.events.size(), std::size_t(1));
        QVERIFY(!fresh.form->isVisible());
    }

    void aRunIsNamedBeforeItIsSaved()
    {
        Trigger(app->Command("mnuSaveMain"));
        QCOMPARE(ui.events, std::vector<std::string>{"message: Please name your run before saving it."});

        QTest::keyClicks(app->Field("txtRun"), "Hill|+|top");
        Trigger(app->Command("mnuSaveMain"));
        QVERIFY(ui.fileRequests.empty());
        QCOMPARE(ui.messages.back(), std::string("The run's Run holds \"|+|\" or a line break, which a run file "
                                                 "cannot store. Please change it before saving the run."));
    }

    // Scenario data first (once per dirty scenario), then unit selections, then the run, and only
    // then the file dialog.
    void theSavePromptsComeInTheirOrder()
    {
        TypeInto(app->In(2), 11, "6");
        TypeInto(app->In(4), 21, "12");
        PickUnit(app->form->UnitList(app->run.units.FLenOutUnits), 1);
        app->run.IsLoaded = true;
        QTest::keyClicks(app->Field("txtProject"), "Thinning");
        Trigger(app->Command("mnuOpenRun"));
        QCOMPARE(ui.events, (std::vector<std::string>{"question: Scenario data changed", "question: Scenario data changed",
                                                      "question: Unit selections changed",
                                                      "question: Torvi Run data changed", "dialog: Load Torvi run data"}));
        QCOMPARE(ui.questions, (std::vector<std::string>{
                                   "Data in Scenario B has changed. Would you like to Save changes?",
                                   "Data in Scenario D has changed. Would you like to Save changes?",
                                   "Unit selections have changed.\r\nWould you like to save these changes?",
                                   "Would you like to save changes made to this run?"}));
        // All answered No and the dialog cancelled: the run is closed.
        QVERIFY(app->Field("txtProject")->text().isEmpty());
        QVERIFY(app->In(2).txtInp[ctlIn::fld2Idx(11)]->text().isEmpty());
        QCOMPARE(app->form->UnitList(app->run.units.FLenOutUnits)->currentIndex(), 0);
        QCOMPARE(app->run.units.FLenOutUnits.GetCurrUnit(), int16_t(1));
    }

    void closingAChangedRunAsksAndEmptiesTheRunFields()
    {
        WriteScenario(*dir, "flat.scn", Flat);
        const std::string runFile = dir->Write(
            "hill.run", "Name:Hill\r\nDate:June\r\nProject:Ridge\r\nAnalyst:Kim\r\nUnt:\r\nFmd:\r\nScn:flat.scn\r\n"
                        "Tbl Vars:9|+|0|+|40|+|2|+|0|+|1\r\nHaz Vars:0|+|0|+|40|+|2|+|0|+|0\r\nFire Vars:0|+|0\r\n");
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuOpenRun"));
        QCOMPARE(app->Field("txtProject")->text(), QString("Ridge"));
        QTest::keyClicks(app->Field("txtRun"), " top");
        QCOMPARE(app->run.Name, std::string("Hill top"));
        Trigger(app->Command("mnuCloseRun"));
        QCOMPARE(ui.questions, std::vector<std::string>{"Would you like to save changes made to this run?"});
        QCOMPARE(ui.questionTitles, std::vector<std::string>{"Torvi Run data changed"});
        for (QLineEdit* box : {app->Field("txtRun"), app->Field("txtRDate"), app->Field("txtAnalyst"),
                               app->Field("txtProject"), app->Field("txtRunFile")})
            QVERIFY(box->text().isEmpty());
        QCOMPARE(app->In(1).cmdLowFM->text(), QString("Low FM"));
        QVERIFY(app->run.Name.empty());
        QVERIFY(!app->run.IsLoaded);

        // Yes saves the run under its own file name.
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuOpenRun"));
        QTest::keyClicks(app->Field("txtAnalyst"), " Lee");
        ui.answers = {true};
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuCloseRun"));
        QCOMPARE(ui.fileRequests.back().title, std::string("Save Torvi run data"));
        QCOMPARE(ui.fileRequests.back().fileName, runFile);
        QVERIFY(ui.fileRequests.back().save);
        QVERIFY(ReadBytes(runFile).find("Analyst:Kim Lee\r\n") != std::string::npos);
    }

    // What a run file that fails half-way did load is shown, and it is not taken for that file.
    void aRunThatFailsToLoadShowsWhatItRead()
    {
        WriteScenario(*dir, "flat.scn", Flat);
        ui.chosenFiles = {dir->Write("bad.run", "Name:Hill\r\nDate:\r\nProject:\r\nAnalyst:\r\nUnt:\r\nFmd:\r\n"
                                                "Scn:flat.scn\r\nTbl Vars:9|+|0\r\n")};
        Trigger(app->Command("mnuOpenRun"));
        QCOMPARE(ui.messages, std::vector<std::string>{"Missing run data value at line 8"});
        QCOMPARE(app->Field("txtRun")->text(), QString("Hill"));
        QCOMPARE(app->In(1).cmdLowFM->text(), QString("FM10"));
        QVERIFY(app->Field("txtRunFile")->text().isEmpty());
        QVERIFY(!app->run.IsLoaded);
    }

    void exitWithNothingChangedAsksNothing()
    {
        Trigger(app->Command("mnuExit"));
        QVERIFY(ui.events.empty());
        QVERIFY(!app->form->isVisible());
    }

    // The close box guards unsaved work as Exit does. An unnamed scenario that the user wants to
    // keep is named first, so the answer Yes does save it.
    void theCloseBoxAsksTheSavePrompts()
    {
        TypeInto(app->In(2), 21, "8");
        ui.answers = {true};
        ui.texts = {"Windy flat"};
        ui.chosenFiles = {dir->File("windy.scn")};
        app->form->close();
        QCOMPARE(ui.events, (std::vector<std::string>{"question: Scenario data changed", "dialog: Save scenario input data"}));
        QCOMPARE(ui.textPrompts, std::vector<std::string>{"Please enter a name for this scenario | Scenario name | "});
        QVERIFY(!app->form->isVisible());
        const std::vector<std::string> saved = DataValues(dir->File("windy.scn"));
        QCOMPARE(saved.size(), std::size_t(26));
        QCOMPARE(saved[21], std::string("8"));
        QCOMPARE(saved[24] + " " + saved[25], std::string("Windy flat"));
    }

    // Cancel at any of the prompts of Open Run, Close Run or the close box, or a scenario save
    // dialog cancelled after Yes, stops the command: every question was asked before anything
    // was saved or cleared, and the window is as it was.
    void cancelStopsTheWholeCommand()
    {
        using Answer = clsUserInteraction::Answer;
        struct Case {
            QAction* command;  // nullptr: the close box
            std::vector<Answer> answers;
            std::size_t questions;
        };
        const std::vector<Case> cases = {
            {app->Command("mnuCloseRun"), {Answer::Cancel}, 1},
            {app->Command("mnuOpenRun"), {Answer::No, Answer::Cancel}, 2},
            {app->Command("mnuExit"), {Answer::No, Answer::No, Answer::Cancel}, 3},
            {nullptr, {Answer::No, Answer::No, Answer::No, Answer::Cancel}, 4},
            // Yes to the first scenario, whose save dialog is then cancelled.
            {app->Command("mnuCloseRun"), {Answer::Yes, Answer::No, Answer::No, Answer::No}, 4},
        };
        ui.chosenFiles = {WriteScenario(*dir, "flat.scn", Flat)};
        Trigger(app->Command("mnuLoad"), 1);
        TypeInto(app->In(1), 21, "12");
        TypeInto(app->In(3), 11, "6");
        PickUnit(app->form->UnitList(app->run.units.FLenOutUnits), 1);
        app->run.IsLoaded = true;
        QTest::keyClicks(app->Field("txtProject"), "Thinning");
        ui.fileRequests.clear();
        for (const Case& c : cases) {
            ui.events.clear();
            ui.questions.clear();
            ui.choices.assign(c.answers.begin(), c.answers.end());
            if (c.command)
                Trigger(c.command);
            else
                app->form->close();
            QCOMPARE(ui.questions.size(), c.questions);
            const bool saveDialog = c.answers.front() == Answer::Yes;
            QCOMPARE(ui.fileRequests.size(), std::size_t(saveDialog ? 1 : 0));
            ui.fileRequests.clear();
            QVERIFY(app->form->isVisible());
            QVERIFY(app->In(1).Events().IsDirty() && app->In(3).Events().IsDirty());
            QCOMPARE(app->In(1).txtInp[ctlIn::fld2Idx(21)]->text(), QString("12"));
            QCOMPARE(app->In(3).txtInp[ctlIn::fld2Idx(11)]->text(), QString("6"));
            QCOMPARE(app->run.units.FLenOutUnits.GetCurrUnit(), int16_t(2));
            QCOMPARE(app->Field("txtProject")->text(), QString("Thinning"));
            QVERIFY(app->run.IsDirty);
        }
    }

    // Closing a run saves the scenarios, then the run, then clears: the run file lists the scenario
    // files that were open.
    void aRunSavedOnCloseListsWhatWasOpen()
    {
        using Answer = clsUserInteraction::Answer;
        WriteScenario(*dir, "a.scn", NorthSlope);
        WriteScenario(*dir, "b.scn", Flat);
        const std::string runFile = dir->Write(
            "hill.run", "Name:Hill\r\nDate:\r\nProject:\r\nAnalyst:\r\nUnt:\r\nFmd:\r\nScn:a.scn|+|b.scn\r\n"
                        "Tbl Vars:9|+|0|+|40|+|2|+|0|+|1\r\nHaz Vars:0|+|0|+|40|+|2|+|0|+|0\r\nFire Vars:0|+|0\r\n");
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuOpenRun"));
        TypeInto(app->In(1), 21, "12");
        QTest::keyClicks(app->Field("txtAnalyst"), "Kim");
        ui.events.clear();
        ui.choices = {Answer::Yes, Answer::Yes};
        ui.chosenFiles = {dir->File("a.scn"), runFile};
        Trigger(app->Command("mnuCloseRun"));
        QCOMPARE(ui.events, (std::vector<std::string>{"question: Scenario data changed", "question: Torvi Run data changed",
                                                      "dialog: Save scenario input data", "dialog: Save Torvi run data"}));
        const std::string saved = ReadBytes(runFile);
        QVERIFY2(saved.find("\r\nScn:a.scn|+|b.scn\r\n") != std::string::npos, saved.c_str());
        QCOMPARE(DataValues(dir->File("a.scn"))[21], std::string("12"));
        QVERIFY(app->In(1).txtInp[ctlIn::fld2Idx(21)]->text().isEmpty());
    }

    // Clear asks first when the scenario holds unsaved changes: Cancel, or a cancelled save
    // dialog, keeps them; No clears.
    void clearAsksAboutUnsavedChanges()
    {
        using Answer = clsUserInteraction::Answer;
        ui.chosenFiles = {WriteScenario(*dir, "flat.scn", Flat)};
        Trigger(app->Command("mnuLoad"), 2);
        Trigger(app->Command("mnuClear"), 2);  // nothing changed: cleared without a question
        QVERIFY(ui.questions.empty());
        QCOMPARE(app->In(2).cmdLowFM->text(), QString("Low FM"));

        ui.chosenFiles = {dir->File("flat.scn")};
        Trigger(app->Command("mnuLoad"), 2);
        TypeInto(app->In(2), 21, "9");
        ui.choices = {Answer::Cancel, Answer::Yes, Answer::No};
        for (int attempt = 0; attempt < 2; ++attempt) {
            Trigger(app->Command("mnuClear"), 2);
            QCOMPARE(app->In(2).txtInp[ctlIn::fld2Idx(21)]->text(), QString("9"));
            QVERIFY(app->In(2).Events().IsDirty());
        }
        QCOMPARE(ui.questions, (std::vector<std::string>(2, "Data in Scenario B has changed. Would you like to Save changes?")));
        Trigger(app->Command("mnuClear"), 2);
        QVERIFY(app->In(2).txtInp[ctlIn::fld2Idx(21)]->text().isEmpty());
        QCOMPARE(DataValues(dir->File("flat.scn"))[21], std::string("5"));
    }

    // Files the run refers to from outside its folder and the program's: asked about once each
    // before anything is written. Yes copies the file beside the run file, No saves with a warning,
    // Cancel saves nothing; a different file of that name beside the run file is never replaced.
    void filesOutsideTheRunsFolderAreAskedAbout()
    {
        using Answer = clsUserInteraction::Answer;
        std::filesystem::create_directories(dir->path / "runs");
        std::filesystem::create_directories(dir->path / "elsewhere");
        const std::string scenario = WriteScenario(*dir, "elsewhere/flat.scn", Flat);
        const std::string runFile = dir->File("runs/hill.run");
        ui.chosenFiles = {scenario, UserFiles + "/english.unt"};
        Trigger(app->Command("mnuLoad"), 1);
        Trigger(app->Command("mnuOpenUnits"));
        QTest::keyClicks(app->Field("txtRun"), "Hill");
        const std::vector<std::string> questions = {
            "The run refers to the units set " + UserFiles + "/english.unt, which is neither in the run file's "
            "folder nor in the program's folder: the run would not find it when reopened.\r\nWould you like to "
            "copy it beside the run file?",
            "The run refers to the scenario file of Scenario A " + scenario + ", which is neither in the run "
            "file's folder nor in the program's folder: the run would not find it when reopened.\r\nWould you "
            "like to copy it beside the run file?"};

        // Cancel at the second question: nothing copied, nothing saved.
        ui.questions.clear();
        ui.choices = {Answer::Yes, Answer::Cancel};
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuSaveMain"));
        QCOMPARE(ui.questions, questions);
        QVERIFY(!std::filesystem::exists(runFile));
        QVERIFY(!std::filesystem::exists(dir->File("runs/english.unt")));

        // A different english.unt beside the run file is kept, and the run is not saved.
        dir->Write("runs/english.unt", "another set");
        ui.messages.clear();
        ui.choices = {Answer::Yes, Answer::No};
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuSaveMain"));
        QCOMPARE(ui.messages, std::vector<std::string>{"The run file's folder already holds another file named "
                                                       "english.unt, which is not replaced. The run was not saved."});
        QCOMPARE(ReadBytes(dir->File("runs/english.unt")), std::string("another set"));
        QVERIFY(!std::filesystem::exists(runFile));

        // Yes copies the units set, No saves the run with a warning about the scenario file.
        std::filesystem::remove(dir->path / "runs" / "english.unt");
        ui.messages.clear();
        ui.choices = {Answer::Yes, Answer::No};
        ui.chosenFiles = {runFile};
        Trigger(app->Command("mnuSaveMain"));
        QCOMPARE(ui.messages, std::vector<std::string>{"The run was saved, but it will not find these files when it "
                                                       "is reopened:\r\n" + scenario});
        QCOMPARE(ReadBytes(dir->File("runs/english.unt")), ReadBytes(UserFiles + "/english.unt"));
        QCOMPARE(app->run.unitsIO.fileName, dir->File("runs/english.unt"));
        QVERIFY(ReadBytes(runFile).find("\r\nUnt:english.unt\r\nFmd:\r\nScn:flat.scn\r\n") != std::string::npos);

        SequenceInteraction freshUi;
        Orvane fresh(freshUi);
        freshUi.chosenFiles = {runFile};
        Trigger(fresh.Command("mnuOpenRun"));
        QCOMPARE(fresh.run.unitsIO.fileName, dir->File("runs/english.unt"));
        QCOMPARE(freshUi.messages, (std::vector<std::string>{"Cannot locate file: flat.scn",
                                                            "Warning: Scenario file flat.scn was not loaded"}));
    }

    void unitsSetCommands()
    {
        ui.chosenFiles = {WriteScenario(*dir, "flat.scn", Flat), UserFiles + "/metric.unt"};
        Trigger(app->Command("mnuLoad"), 1);
        Trigger(app->Command("mnuOpenUnits"));
        const auto& request = ui.fileRequests.back();
        QCOMPARE(request.title, std::string("Load Torvi units set"));
        QCOMPARE(request.filter, std::string("Torvi units set files (*.unt)|*.unt"));
        QVERIFY(request.flags & FileDlg::cdlOFNFileMustExist);
        clsUnits& units = app->run.units;
        QCOMPARE(app->form->UnitList(units.ROSOutUnits)->currentText(), QString("m/min"));
        QCOMPARE(app->form->UnitList(units.OpenWindSpdInUnits)->currentText(), QString("km/hr"));
        QCOMPARE(app->form->UnitList(units.CanopyBDInUnits)->currentText(), QString("kg/m3"));
        // 5 mi/hr in km/hr: 5 × 1.609348854 = 8.0467, shown within 0.1 %.
        QCOMPARE(app->In(1).txtInp[ctlIn::fld2Idx(21)]->text(), QString("8.05"));
        QCOMPARE(app->Out(1).txtROS->text().toStdString(),
                 RoundedText(app->run.io(1).OData.RateOfSpread * 0.335281011, 2));
        QVERIFY(!units.UnitsChanged());

        // A faulty set is refused whole.
        ui.chosenFiles = {dir->Write("bad.unt", "MAIN HCROWN: 2\r\nMAIN IN: 2|+|1|+|1|+|9\r\n")};
        Trigger(app->Command("mnuOpenUnits"));
        QCOMPARE(ui.messages.back(), std::string("Invalid unit data value at line 2"));
        QCOMPARE(app->form->UnitList(units.OpenWindSpdInUnits)->currentText(), QString("km/hr"));
        QCOMPARE(app->run.unitsIO.fileName, UserFiles + "/metric.unt");

        PickUnit(app->form->UnitList(units.HPUAOutUnits), 0);
        ui.chosenFiles = {dir->File("mine.unt")};
        Trigger(app->Command("mnuSaveUnits"));
        QCOMPARE(ui.fileRequests.back().title, std::string("Save Torvi units set"));
        QCOMPARE(ui.fileRequests.back().fileName, UserFiles + "/metric.unt");
        QCOMPARE(ui.fileRequests.back().initDir, UserFiles + "/");  // the folder of the proposed file
        QVERIFY(ui.fileRequests.back().flags & FileDlg::cdlOFNOverwritePrompt);
        QVERIFY(ReadBytes(dir->File("mine.unt")).find("MAIN OUT: 1|+|2|+|2|+|2|+|2|+|2|+|2|+|2|+|2|+|2|+|2|+|1|+|2|+|2\r\n") !=
                std::string::npos);

        PickUnit(app->form->UnitList(units.FLenOutUnits), 0);
        Trigger(app->Command("mnuCloseUnits"));
        QCOMPARE(ui.questions.back(), "Unit selections have changed in the loaded unit set file " + dir->File("mine.unt") +
                                          ".\r\nWould you like to save these changes?");
        QCOMPARE(ui.questionTitles.back(), std::string("Unit selections changed"));
        QCOMPARE(app->form->UnitList(units.ROSOutUnits)->currentText(), QString("ch/hr"));
        QCOMPARE(app->In(1).txtInp[ctlIn::fld2Idx(21)]->text(), QString("5"));
        QVERIFY(!app->run.unitsIO.IsLoaded());
    }

    // Custom fuel models, batch and splitting open their dialogs where every dialog does: in
    // userfiles first, then in the folder last chosen.
    void toolDialogsShareTheProgramsFileDialog()
    {
        ui.chosenFiles = {RunsFixtures + "/custom.fmd"};
        Trigger(app->Command("mnuCustomFM"));
        QCOMPARE(ui.fileRequests[0].title, std::string("Load custom fuel model"));
        QCOMPARE(ui.fileRequests[0].initDir, UserFiles);
        QVERIFY(app->run.getSelectedFM(250));

        const std::string batchFile = dir->Write("three.scn", ReadBytes(RunsFixtures + "/batch_three.scn"));
        ui.chosenFiles = {batchFile};
        Trigger(app->Command("mnuBatch"));
        QCOMPARE(ui.fileRequests[1].title, std::string("Select scenario input file"));
        QCOMPARE(ui.fileRequests[1].initDir, RunsFixtures + "/");
        QVERIFY(std::filesystem::exists(dir->File("three.out")));
        QVERIFY(ui.messages.back().rfind("Generated ", 0) == 0);

        ui.chosenFiles = {batchFile};
        Trigger(app->Command("mnuSplitScn"));
        QCOMPARE(ui.fileRequests[2].title, std::string("Select scenario input batch file"));
        QCOMPARE(ui.fileRequests[2].initDir, dir->path.string() + "/");
        QVERIFY(std::filesystem::exists(dir->File("North.scn")));
    }

    void globalSettingsRecalculateEveryScenario()
    {
        ui.chosenFiles = {WriteScenario(*dir, "flat.scn", Flat), WriteScenario(*dir, "north.scn", NorthSlope)};
        Trigger(app->Command("mnuLoad"), 1);
        Trigger(app->Command("mnuLoad"), 2);
        const QString headFire = app->Out(2).txtROS->text();
        Child<QTabBar>(*app->form, "TabStrip1")->setCurrentIndex(1);  // the output table is on screen
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<frmGlobalSettings*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->txtSpreadDir->setText("90");
            QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
        });
        Trigger(app->Command("mnuGlobalSettings"));
        QCOMPARE(app->run.globalSpreadDirection, int16_t(90));
        for (int i : {1, 2}) {
            clsTorviInputs record = app->run.io(i).IData;
            QCOMPARE(record.SpreadDirection, 90);
            bool success = false;
            const clsTorviOutputs expected = app->run.torvi.CalculateTorviOutputs(record, success);
            QCOMPARE(app->Out(i).txtROS->text().toStdString(), RoundedText(expected.RateOfSpread, 2));
        }
        QVERIFY(app->Out(2).txtROS->text() != headFire);  // the flank spreads slower than the head
        // The visible table was computed again with the new direction.
        QCOMPARE(app->run.iclone(1).SpreadDirection, int16_t(90));
    }

    void theMoistureProgramIsStartedFromTheProgramsFolder()
    {
        TempDir programDir;
        const std::string marker = programDir.File("started");
        programDir.Write("Moisture", "#!/bin/sh\necho \"$#\" > \"" + marker + "\"\n");
        std::filesystem::permissions(programDir.File("Moisture"), std::filesystem::perms::owner_all);
        SequenceInteraction toolUi;
        Orvane tools(toolUi, QString::fromStdString(programDir.path.string()));
        Trigger(tools.Command("mnuFBATables"));
        QTRY_VERIFY(QFile::exists(QString::fromStdString(marker)));
        QTRY_COMPARE(ReadBytes(marker), std::string("0\n"));  // no arguments
        std::filesystem::remove(marker);
        QTest::mouseClick(Child<QPushButton>(*tools.form, "btnFBA"), Qt::LeftButton);
        QTRY_VERIFY(QFile::exists(QString::fromStdString(marker)));
        QVERIFY(toolUi.messages.empty());

        std::filesystem::remove(programDir.File("Moisture"));
        Trigger(tools.Command("mnuFBATables"));
        QCOMPARE(toolUi.messages, std::vector<std::string>{"Cannot the locate Moisture.exe file. This program must "
                                                           "reside in the same directory as Torvit."});
    }
};

QTEST_MAIN(TestRunCommands)
#include "gui_RunCommands.moc"
