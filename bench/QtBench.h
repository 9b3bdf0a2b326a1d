#pragma once

// What the benchmarks of the windows share: the main window, typing into a box and the program
// around them, which runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include "base/FileDlg.h"
#include "runs/Module1.h"
#include "window/TorviForm.h"
#include "runs/clsRun.h"

#include "support/MainWindowParts.h"
#include "support/RecordingInteraction.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// The main window shown and started as the program starts it, with the fuel models beside the
// programs.
struct BenchWindow {
    RecordingInteraction ui;
    clsRun run{ui};
    FileDlg fileDlg{ORVANE_BIN_DIR};
    std::unique_ptr<TorviForm> form;

    BenchWindow()
    {
        Module1::CheckAndLoadModelParameters(ORVANE_BIN_DIR, run, ui);
        form = std::make_unique<TorviForm>(run, fileDlg, ui, ORVANE_BIN_DIR);
        form->show();
        form->Start("");
        QApplication::processEvents();
    }

    // A scenario file loaded into a scenario through its Load command.
    void LoadScenario(int scenario, const std::string& path)
    {
        ui.chosenFiles.push_back(path);
        QAction* load = MainWindowParts::Command(*form, "mnuLoad");
        load->setData(scenario);
        load->trigger();
    }
};

// Types a value into a box and leaves it, as the keyboard does.
inline void Leave(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setModified(true);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(box, &out);
}

inline int RunQtBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
