#pragma once

#include <QScrollArea>

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QWidget;

// A column of controls that scrolls up and down when the window is too low for it, as wide as its
// controls.
class clsControlScroll : public QScrollArea {
public:
    explicit clsControlScroll(QWidget* controls, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// How the chart tabs are laid out: a column of controls left of the chart, in one frame that
// fills the tab.
namespace ChartTabLayout {

// The frame "Scenario" with its list, for the top of the column.
QGroupBox* ScenarioFrame(QWidget* parent, QComboBox*& list);
// The controls from top to bottom, as wide as they need and scrolling when the tab is too low for
// them, and the chart taking the rest.
void LayOut(QWidget* tab, QGroupBox* frame, std::initializer_list<QWidget*> controls, QWidget* chart);

}  // namespace ChartTabLayout
