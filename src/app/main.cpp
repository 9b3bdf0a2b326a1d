#include "app/Module1.h"
#include "app/QtUserInteraction.h"
#include "app/TorviForm.h"
#include "app/clsSingleInstance.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvane");
    QtUserInteraction ui;

    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    clsSingleInstance instance(programName);
    if (instance.AnotherIsRunning()) {
        ui.ShowMessage(Module1::AnotherInstanceMessage(programName.toStdString()));
        return 1;
    }

    FuelModel_IO fuelModels;
    if (!Module1::CheckAndLoadModelParameters(QCoreApplication::applicationDirPath().toStdString(), fuelModels, ui))
        return 1;

    TorviForm window;
    window.show();
    return app.exec();
}
