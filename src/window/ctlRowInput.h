#pragma once

#include "tables/clsRowInputCtl.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

// The row control: the variable varied along the rows, its unit and the range's minimum, maximum
// and step. It shows its state object and passes the analyst's actions to it.
class ctlRowInput : public QWidget {
    Q_OBJECT
public:
    explicit ctlRowInput(clsRowInputCtl& state, QWidget* parent = nullptr);

    void setRowVar();
    int16_t rowVarId() const;
    double rangeMinVal() const;
    double rangeMaxVal() const;
    double rangeStepVal() const;
    int16_t rowPrecision() const;
    bool InRange(double v) const;
    bool rowVarIsValid() const;
    QComboBox* getCmboUnits() const { return cmboRowUnits; }
    QComboBox* getCmboVar() const { return cmboRowVar; }
    QLineEdit* getTxtMin() const { return txtRowMin; }
    QLineEdit* getTxtMax() const { return txtRowMax; }
    QLineEdit* getTxtStep() const { return txtRowStep; }

    QGroupBox* frame;
    QComboBox* cmboRowVar;  // nullptr on the wind row control
    QComboBox* cmboRowUnits;
    QLineEdit* txtRowMin;
    QLineEdit* txtRowMax;
    QLineEdit* txtRowStep;

protected:
    // The wind row control shows this caption in place of the variable list.
    ctlRowInput(clsRowInputCtl& state, const QString& variableCaption, QWidget* parent);

    QLabel* lblVarName = nullptr;

private:
    void Show();
    std::array<QLineEdit*, 3> Boxes() const { return {txtRowMin, txtRowMax, txtRowStep}; }

    clsRowInputCtl& state;
};

// The row control of the crown fire hazard chart: the open wind speed and its range.
class ctlRowInput2 : public ctlRowInput {
    Q_OBJECT
public:
    explicit ctlRowInput2(clsRowInputCtl& state, QWidget* parent = nullptr);
    QLabel* getLblVarName() const { return lblVarName; }
};
