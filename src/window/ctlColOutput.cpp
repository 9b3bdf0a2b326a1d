#include "window/ctlColOutput.h"

#include "window/TableWidgets.h"
#include "tables/clsColOutputCtl.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

ctlColOutput::ctlColOutput(clsColOutputCtl& outputState, QWidget* parent)
    : QWidget(parent),
      frame(new QGroupBox(this)),
      cmboColVar(new QComboBox(frame)),
      cmboColUnits(new QComboBox(frame)),
      state(outputState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    QFormLayout* form = TableWidgets::Frame(frame, "Output");
    form->addRow("Variable:", cmboColVar);
    form->addRow("Units:", cmboColUnits);
    connect(cmboColVar, &QComboBox::activated, this, [this](int position) { state.ColVarSelected(position); });
    connect(cmboColUnits, &QComboBox::activated, this, [this](int position) { state.ColUnitSelected(position); });
    state.Changed = [this] { Show(); };
    Show();
}

void ctlColOutput::Show()
{
    TableWidgets::ShowList(cmboColVar, state.cmboColVar);
    TableWidgets::ShowList(cmboColUnits, state.cmboColUnits);
}

void ctlColOutput::setColVar()
{
    state.setColVar();
}

int16_t ctlColOutput::colVarId() const
{
    return state.colVarId();
}

bool ctlColOutput::colVarIsValid() const
{
    return state.colVarIsValid();
}

int16_t ctlColOutput::colPrecision() const
{
    return state.colPrecision();
}

int16_t ctlColOutput::getUserViewId() const
{
    return state.getUserViewId();
}

void ctlColOutput::setUserViewId(int16_t id)
{
    state.setUserViewId(id);
}

void ctlColOutput::Calc()
{
    state.Calc();
}
