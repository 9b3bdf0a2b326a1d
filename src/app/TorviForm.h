#pragma once

#include <QMainWindow>

class QTabWidget;

// The main window: the tab strip with the input/output page, the table, and the three charts.
class TorviForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TorviForm(QWidget* parent = nullptr);
    QTabWidget* Tabs() const { return tabs; }

private:
    QTabWidget* tabs;
};
