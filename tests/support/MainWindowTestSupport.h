#pragma once

#include "base/FileDlg.h"
#include "window/TorviForm.h"
#include "window/ctlIn.h"
#include "runs/clsRun.h"

#include "support/MainWindowParts.h"
#include "support/RecordingInteraction.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <memory>
#include <string>

// Helpers of the window tests that drive the main window.
namespace MainWindowTestSupport {

using MainWindowParts::Child;
using MainWindowParts::Command;
using MainWindowParts::Page;
using MainWindowParts::Scenario;

// The main window shown and started as the program starts it, over a new run with the standard
// fuel models; messages and questions go to ui.
inline void StartMainWindow(RecordingInteraction& ui, std::unique_ptr<clsRun>& run, std::unique_ptr<FileDlg>& fileDlg,
                            std::unique_ptr<TorviForm>& form)
{
    ui = RecordingInteraction();
    run = std::make_unique<clsRun>(ui);
    QVERIFY(run->defFM.LoadFuelModel(ORVANE_BIN_DIR "/ModelParameters.f"));
    run->torvi.FuelModels = run->defFM.fmColl;
    fileDlg = std::make_unique<FileDlg>(ORVANE_BIN_DIR);
    form = std::make_unique<TorviForm>(*run, *fileDlg, ui, ORVANE_BIN_DIR);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->Start("");
}

// When the fuel model chooser next opens: click the code (none when empty), then press OK, or
// Cancel when cancel is true.
inline void WhenTheChooserOpens(const QString& code, bool cancel = false)
{
    QTimer::singleShot(0, [code, cancel] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QString("Fuel Model Selection"));
        auto* list = chooser->findChild<QListWidget*>();
        if (!code.isEmpty()) {
            const auto entry = list->findItems(code, Qt::MatchExactly).first();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
        }
        const QString press = cancel ? "Cancel" : "OK";
        for (auto* button : chooser->findChildren<QPushButton*>())
            if (button->text() == press)
                QTest::mouseClick(button, Qt::LeftButton);
    });
}

// Picks a fuel model with the chooser: click the button, click the code, press OK (or Cancel).
inline void ChooseModel(QPushButton* button, const QString& code, bool cancel = false)
{
    WhenTheChooserOpens(code, cancel);
    QTest::mouseClick(button, Qt::LeftButton);
}

// Loads a scenario file line, named, into a scenario through its Load command; the file is written
// into dir.
inline void LoadScenarioLine(TorviForm& form, RecordingInteraction& ui, const QTemporaryDir& dir, int scenario,
                             const std::string& dataLine, const std::string& name)
{
    const std::string path = dir.filePath(QString::fromStdString(name + ".scn")).toStdString();
    std::ofstream(path, std::ios::binary) << "# scenario\r\n" << dataLine << " " << name << "\r\n";
    ui.chosenFiles.push_back(path);
    QAction* load = Command(form, "mnuLoad");
    load->setData(scenario);
    load->trigger();
    QVERIFY(Scenario<ctlIn>(form, "inPanel", scenario)->Events().AllValidated());
}

// Clicks a tab of the main window's tab strip.
inline void ClickTab(TorviForm& form, const clsRun& run, int tab)
{
    QTabBar* tabs = Child<QTabBar>(form, "TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QCOMPARE(run.visTab, int16_t(tab));
}

// Picks an entry of a drop-down list with the keyboard, as the analyst does.
inline void Choose(QComboBox* list, const QString& entry)
{
    const int position = list->findText(entry);
    QVERIFY2(position >= 0, qPrintable(entry));
    list->setFocus();
    while (list->currentIndex() != position)
        QTest::keyClick(list, list->currentIndex() < position ? Qt::Key_Down : Qt::Key_Up);
}

// A grass scenario and a timber one, as lines of a scenario input file.
inline const char* const Grass = "3 1 0.4 1 1 1 1 0.4 1 1 1 6 8 10 100 100 0.1 10 1 100 2 10 20 0";
inline const char* const Timber = "2 10 0.4 1 1 1 10 0.4 1 1 1 6 8 10 100 100 0.15 6 1 100 6 20 20 0";

// The base of the window tests that drive the main window: its parts, for the test functions to
// reach, the window started in init(), and the steps most tests take on it.
class MainWindowTest : public QObject {
protected:
    void StartMainWindow() { MainWindowTestSupport::StartMainWindow(ui, run, fileDlg, form); }
    // The window with the grass scenario "North" in scenario A and the timber scenario "Ridge" in C.
    void StartWithGrassAndTimber()
    {
        StartMainWindow();
        LoadScenario(1, Grass, "North");
        LoadScenario(3, Timber, "Ridge");
        QVERIFY(ui.messages.empty());
    }
    void LoadScenario(int scenario, const std::string& dataLine, const std::string& name)
    {
        LoadScenarioLine(*form, ui, dir, scenario, dataLine, name);
    }
    void ClickTab(int tab) { MainWindowTestSupport::ClickTab(*form, *run, tab); }

    RecordingInteraction ui;
    std::unique_ptr<clsRun> run;
    std::unique_ptr<FileDlg> fileDlg;
    std::unique_ptr<TorviForm> form;
    QTemporaryDir dir;
};

}  // namespace MainWindowTestSupport
