#include "window/ctlRowInput.h"

#include "window/TableWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

ctlRowInput::ctlRowInput(clsRowInputCtl& rowState, QWidget* parent) : ctlRowInput(rowState, QString(), parent) {}

ctlRowInput::ctlRowInput(clsRowInputCtl& rowState, const QString& variableCaption, QWidget* parent)
    : QWidget(parent),
      frame(new QGroupBox(this)),
      cmboRowVar(variableCaption.isEmpty() ? new QComboBox(frame) : nullptr),
      cmboRowUnits(new QComboBox(frame)),
      txtRowMin(new QLineEdit(frame)),
      txtRowMax(new QLineEdit(frame)),
      txtRowStep(new QLineEdit(frame)),
      state(rowState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    QFormLayout* form = TableWidgets::Frame(frame, "Row Input");
    if (cmboRowVar) {
        form->addRow("Variable:", cmboRowVar);
        connect(cmboRowVar, &QComboBox::activated, this, [this](int position) { state.RowVarSelected(position); });
    } else {
        lblVarName = new QLabel(variableCaption, frame);
        form->addRow(lblVarName);
    }
    form->addRow("Units:", cmboRowUnits);
    auto* range = new QGroupBox(frame);
    QFormLayout* rangeForm = TableWidgets::Frame(range, "Range");
    rangeForm->addRow("Min:", txtRowMin);
    rangeForm->addRow("Max:", txtRowMax);
    rangeForm->addRow("Step:", txtRowStep);
    form->addRow(range);

    connect(cmboRowUnits, &QComboBox::activated, this, [this](int position) { state.RowUnitSelected(position); });
    for (int box = clsRowInputCtl::Min; box <= clsRowInputCtl::Step; ++box) {
        QLineEdit* edit = Boxes()[static_cast<std::size_t>(box)];
        TableWidgets::WhenLeft(edit, [this, box, edit] {
            state.RowValueTyped(static_cast<clsRowInputCtl::Box>(box), edit->text().toStdString());
        });
    }
    state.Changed = [this] { Show(); };
    state.FocusBox = [this](clsRowInputCtl::Box box) { Boxes()[static_cast<std::size_t>(box)]->setFocus(); };
    Show();
}

void ctlRowInput::Show()
{
    if (cmboRowVar)
        TableWidgets::ShowList(cmboRowVar, state.cmboRowVar);
    TableWidgets::ShowList(cmboRowUnits, state.cmboRowUnits);
    for (std::size_t box = 0; box < 3; ++box) {
        TableWidgets::ShowText(Boxes()[box], state.boxText[box]);
        TableWidgets::PaintBox(Boxes()[box], state.boxIsRed[box]);
        Boxes()[box]->setToolTip(QString::fromStdString(state.ToolTip(static_cast<clsRowInputCtl::Box>(box))));
    }
}

void ctlRowInput::setRowVar()
{
    state.setRowVar();
}

int16_t ctlRowInput::rowVarId() const
{
    return state.rowVarId();
}

double ctlRowInput::rangeMinVal() const
{
    return state.rangeMinVal();
}

double ctlRowInput::rangeMaxVal() const
{
    return state.rangeMaxVal();
}

double ctlRowInput::rangeStepVal() const
{
    return state.rangeStepVal();
}

int16_t ctlRowInput::rowPrecision() const
{
    return state.rowPrecision();
}

bool ctlRowInput::InRange(double v) const
{
    return state.InRange(v);
}

bool ctlRowInput::rowVarIsValid() const
{
    return state.rowVarIsValid();
}

ctlRowInput2::ctlRowInput2(clsRowInputCtl& rowState, QWidget* parent)
    : ctlRowInput(rowState, "Open Wind Speed", parent)
{
}
