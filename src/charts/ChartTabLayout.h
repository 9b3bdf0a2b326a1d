#pragma once

#include <initializer_list>

class QComboBox;
class QGroupBox;
class QWidget;

// How the chart tabs are laid out: a column of controls left of the chart, in one frame that
// fills the tab.
namespace ChartTabLayout {

// The frame "Scenario" with its list, for the top of the column.
QGroupBox* ScenarioFrame(QWidget* parent, QComboBox*& list);
// The controls from top to bottom, as wide as they need, and the chart taking the rest.
void LayOut(QWidget* tab, QGroupBox* frame, std::initializer_list<QWidget*> controls, QWidget* chart);

}  // namespace ChartTabLayout
