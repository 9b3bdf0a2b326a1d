#include "window/ChartTabLayout.h"

#include "window/TableWidgets.h"

#include <QComboBox>
#include <QEvent>
#include <QScrollBar>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

clsControlScroll::clsControlScroll(QWidget* controls, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidget(controls);
    setWidgetResizable(true);
    controls->installEventFilter(this);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

// As wide as the controls with room for the scroll bar; as high as there is room.
QSize clsControlScroll::sizeHint() const
{
    const QSize wanted = widget()->sizeHint();
    return {wanted.width() + verticalScrollBar()->sizeHint().width(), wanted.height()};
}

QSize clsControlScroll::minimumSizeHint() const
{
    return {sizeHint().width(), 60};
}

// Controls that grow (a longer unit name, a frame shown) ask for room anew.
bool clsControlScroll::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

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
    auto* controlColumn = new QWidget;
    controlColumn->setLayout(column);
    auto* body = new QHBoxLayout(frame);
    body->addWidget(new clsControlScroll(controlColumn, frame));
    body->addWidget(chart, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(frame);
}

}  // namespace ChartTabLayout
