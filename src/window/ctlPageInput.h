#pragma once

#include <QWidget>

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QSlider;
class clsPageInputCtl;

// The page control: the variable held at one value for all scenarios, its unit, the value box
// and a slider over the variable's limits. It shows its state object and passes the analyst's
// actions to it.
class ctlPageInput : public QWidget {
    Q_OBJECT
public:
    explicit ctlPageInput(clsPageInputCtl& state, QWidget* parent = nullptr);

    void setPageVar();
    int16_t pageVarId() const;
    double pageValue() const;
    bool pageVarIsValid() const;
    QComboBox* getCmboUnits() const { return cmboPageUnits; }
    QComboBox* getCmboVar() const { return cmboPageVar; }
    QLineEdit* getTxtVal() const { return txtPageVal; }
    QSlider* getSlider() const { return sliderPageVar; }

    QGroupBox* frame;
    QComboBox* cmboPageVar;
    QComboBox* cmboPageUnits;
    QLineEdit* txtPageVal;
    QSlider* sliderPageVar;

private:
    void Show();

    clsPageInputCtl& state;
};
