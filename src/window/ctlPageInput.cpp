#include "window/ctlPageInput.h"

#include "window/TableWidgets.h"
#include "tables/clsPageInputCtl.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

ctlPageInput::ctlPageInput(clsPageInputCtl& pageState, QWidget* parent)
    : QWidget(parent),
      frame(new QGroupBox(this)),
      cmboPageVar(new QComboBox(frame)),
      cmboPageUnits(new QComboBox(frame)),
      txtPageVal(new QLineEdit(frame)),
      sliderPageVar(new QSlider(Qt::Horizontal, frame)),
      state(pageState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    QFormLayout* form = TableWidgets::Frame(frame, "Page Input");
    form->addRow("Variable:", cmboPageVar);
    form->addRow("Units:", cmboPageUnits);
    form->addRow("Value:", txtPageVal);
    form->addRow(sliderPageVar);
    sliderPageVar->setTickPosition(QSlider::TicksBelow);

    connect(cmboPageVar, &QComboBox::activated, this, [this](int position) { state.PageVarSelected(position); });
    connect(cmboPageUnits, &QComboBox::activated, this, [this](int position) { state.PageUnitSelected(position); });
    connect(sliderPageVar, &QSlider::valueChanged, this, [this](int position) { state.SliderMoved(position); });
    TableWidgets::WhenLeft(txtPageVal, [this] { state.PageValueTyped(txtPageVal->text().toStdString()); });
    state.Changed = [this] { Show(); };
    state.FocusValueBox = [this] { txtPageVal->setFocus(); };
    Show();
}

void ctlPageInput::Show()
{
    TableWidgets::ShowList(cmboPageVar, state.cmboPageVar);
    TableWidgets::ShowList(cmboPageUnits, state.cmboPageUnits);
    TableWidgets::ShowText(txtPageVal, state.txtPageVal);
    TableWidgets::PaintBox(txtPageVal, state.valueIsRed);
    txtPageVal->setToolTip(QString::fromStdString(state.ToolTip()));
    const QSignalBlocker quiet(sliderPageVar);
    const clsPageInputCtl::Slider& slider = state.sliderPageVar;
    sliderPageVar->setRange(slider.minimum, slider.maximum);
    sliderPageVar->setTickInterval(slider.tickInterval);
    sliderPageVar->setSingleStep(slider.singleStep);
    sliderPageVar->setPageStep(slider.pageStep);
    sliderPageVar->setValue(slider.position);
}

void ctlPageInput::setPageVar()
{
    state.setPageVar();
}

int16_t ctlPageInput::pageVarId() const
{
    return state.pageVarId();
}

double ctlPageInput::pageValue() const
{
    return state.pageValue();
}

bool ctlPageInput::pageVarIsValid() const
{
    return state.pageVarIsValid();
}
