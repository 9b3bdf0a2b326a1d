#include "app/TorviForm.h"

#include <QTabWidget>

TorviForm::TorviForm(QWidget* parent) : QMainWindow(parent), tabs(new QTabWidget(this))
{
    setWindowTitle("Torvi v2.1");
    struct Tab {
        const char* caption;
        const char* toolTip;
    };
    const Tab pages[] = {{"Input/Output", "Torvi Inputs and Outputs"},
                         {"Output Table", "Torvi Tables"},
                         {"Output Chart", "Torvi Charts"},
                         {"Hazard Chart", "Torvi Hazard Chart"},
                         {"Fire Characteristics Chart", "Torvi Fire Characteristics Chart"}};
    for (const Tab& page : pages) {
        const int index = tabs->addTab(new QWidget(tabs), page.caption);
        tabs->setTabToolTip(index, page.toolTip);
    }
    setCentralWidget(tabs);
    resize(1280, 720);
}
