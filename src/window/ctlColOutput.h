#pragma once

#include <QWidget>

#include <cstdint>

class QComboBox;
class QGroupBox;
class clsColOutputCtl;

// The output control: the engine output that fills the cells and the unit it is shown in. It
// shows its state object and passes the analyst's choices to it.
class ctlColOutput : public QWidget {
    Q_OBJECT
public:
    explicit ctlColOutput(clsColOutputCtl& state, QWidget* parent = nullptr);

    void setColVar();
    int16_t colVarId() const;
    bool colVarIsValid() const;
    int16_t colPrecision() const;
    int16_t getUserViewId() const;
    void setUserViewId(int16_t id);
    QComboBox* getCmboUnits() const { return cmboColUnits; }
    QComboBox* getCmboVar() const { return cmboColVar; }
    void Calc();

    QGroupBox* frame;
    QComboBox* cmboColVar;
    QComboBox* cmboColUnits;

private:
    void Show();

    clsColOutputCtl& state;
};
