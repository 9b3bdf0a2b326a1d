#include "charts/ChartTabLayout.h"

#include "tables/TableWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ChartTabLayout {

QGroupBox* ScenarioFrame(QWidget* parent, QComboBox*& list)
{
    auto* frame = new QGroupBox(parent);
    list = new QComboBox(frame);
    TableWidgets::Frame(frame, "Scenario")->addRow("Scenario:", list);
    return frame;
}

void LayOut(QWidget* tab, QGroupBox* frame, std::initializer_list<QWidget*> controls, QWidget* chart)
{
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    for (QWidget* control : controls)
        column->addWidget(control);
    column->addStretch();
    auto* controlColumn = new QWidget(frame);
    controlColumn->setLayout(column);
    controlColumn->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* body = new QHBoxLayout(frame);
    body->addWidget(controlColumn);
    body->addWidget(chart, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(frame);
}

}  // namespace ChartTabLayout
