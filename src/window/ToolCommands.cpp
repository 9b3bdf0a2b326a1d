#include "window/ToolCommands.h"

#include "window/RunWindow.h"
#include "base/clsUserInteraction.h"
#include "runs/clsRun.h"
#include "window/frmGlobalSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <utility>

ToolCommands::ToolCommands(RunWindow& window, clsRun& owner, clsUserInteraction& userInteraction, QString folder)
    : form(window),
      run(owner),
      ui(userInteraction),
      programDir(std::move(folder)),
      batch(owner, userInteraction),
      split(owner, userInteraction)
{
}

void ToolCommands::CustomFuelModels()
{
    run.LoadFuelModelFile();
}

void ToolCommands::GlobalSettings()
{
    frmGlobalSettings dialog(run, form.DialogParent());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A table or chart on screen was computed with the previous settings.
    form.CalculateAll();
}

void ToolCommands::RunBatch()
{
    batch.RunBatch();
}

void ToolCommands::SplitBatch()
{
    split.SplitBatch();
}

bool ToolCommands::StartMoisture()
{
    const QString program = QDir(programDir).filePath("Moisture");
    const QFileInfo file(program);
    if (file.isFile() && file.isExecutable() && QProcess::startDetached(program, {}, programDir))
        return true;
    ui.ShowMessage("Cannot the locate Moisture.exe file. This program must reside in the same directory as Torvit.");
    return false;
}
