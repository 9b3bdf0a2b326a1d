#include "base/FileDlg.h"
#include "base/FileDlgInteraction.h"
#include "runs/Module1.h"
#include "window/QtUserInteraction.h"
#include "window/TorviForm.h"
#include "window/clsSingleInstance.h"
#include "runs/clsRun.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

// The whole argument string names one scenario file. It is resolved against the folder the
// program was started from, before start-up moves into the program's own folder.
static QString CommandLineScenario()
{
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const QString path = arguments.join(' ').trimmed();
    return path.isEmpty() ? path : QDir::current().absoluteFilePath(path);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    // Where the recent runs and the dialogs' folders are kept between sessions.
    QApplication::setOrganizationName("Orvane");
    QtUserInteraction ui;

    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    clsSingleInstance instance(programName);
    if (instance.AnotherIsRunning()) {
        ui.ShowMessage(Module1::AnotherInstanceMessage(programName.toStdString()));
        return 1;
    }

    const QString commandLine = CommandLineScenario();
    const QString programDir = QCoreApplication::applicationDirPath();
    FileDlg gFileDlg(programDir.toStdString());
    // The run's own file dialog (custom fuel models) opens where every other dialog does.
    FileDlgInteraction runUi(ui, gFileDlg);
    clsRun gRun(runUi);
    gRun.run_IO.programDir = programDir.toStdString();
    if (!Module1::CheckAndLoadModelParameters(programDir.toStdString(), gRun, ui))
        return 1;

    TorviForm window(gRun, gFileDlg, ui, programDir);
    window.show();
    window.Start(commandLine);
    return app.exec();
}
