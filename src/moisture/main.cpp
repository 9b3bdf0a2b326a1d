#include "moisture/frmMoistureLookup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Moisture");
    frmMoistureLookup window(QDir(QCoreApplication::applicationDirPath()).filePath("help"));
    window.show();
    return app.exec();
}
