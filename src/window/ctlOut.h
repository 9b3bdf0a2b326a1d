#pragma once

#include "engine/ScenarioOutputFields.h"
#include "panels/clsInputStatus.h"
#include "panels/clsOutCtl.h"

#include <QString>
#include <QWidget>

#include <vector>

class QLineEdit;

// The output panel of one scenario: seventeen read-only boxes holding the results as text.
class ctlOut : public QWidget {
    Q_OBJECT
public:
    explicit ctlOut(QWidget* parent = nullptr);

    // The caption of output `index` of ScenarioOutputFields in the panel's caption column.
    static const clsInputStatus::Caption& OutputCaption(std::size_t index);

    clsOutCtl& Events() { return state; }
    void Init();

    // Output `index` of ScenarioOutputFields: its box shows the value, "N/A" when it is not reachable.
    void SetOutput(std::size_t index, double value);
    QString GetFireType() const;
    void SetFireType(const QString& text);
    double GetCrownFB() const;
    void SetCrownFB(double value);
    double GetROS() const;
    void SetROS(double value);
    double GetHeatPUA() const;
    void SetHeatPUA(double value);
    double GetFireLineInt() const;
    void SetFireLineInt(double value);
    double GetFireIntensScale() const;
    void SetFireIntensScale(double value);
    double GetFlameLen() const;
    void SetFlameLen(double value);
    double GetMidFlameWind() const;
    void SetMidFlameWind(double value);
    double GetIdxTorch() const;
    void SetIdxTorch(double value);
    void SetIdxTorchNA();
    double GetIdxCrown() const;
    void SetIdxCrown(double value);
    void SetIdxCrownNA();
    double GetIdxSurface() const;
    void SetIdxSurface(double value);
    double GetInitFireLineInt() const;
    void SetInitFireLineInt(double value);
    double GetInitFlameLen() const;
    void SetInitFlameLen(double value);
    double GetInitCritSurfROS() const;
    void SetInitCritSurfROS(double value);
    double GetASCanopyBD() const;
    void SetASCanopyBD(double value);
    double GetASRactive() const;
    void SetASRactive(double value);
    double GetOCess() const;
    void SetOCess(double value);

    QLineEdit* txtFireType;
    QLineEdit* txtCrownFB;
    QLineEdit* txtROS;
    QLineEdit* txtHeatPUA;
    QLineEdit* txtFireLineInt;
    QLineEdit* txtFireIntensScale;
    QLineEdit* txtFlameLen;
    QLineEdit* txtMidFlameWind;
    QLineEdit* txtIdxTorch;
    QLineEdit* txtIdxCrown;
    QLineEdit* txtIdxSurface;
    QLineEdit* txtInitFireLineInt;
    QLineEdit* txtInitFlameLen;
    QLineEdit* txtInitCritSurfROS;
    QLineEdit* txtASCanopyBD;
    QLineEdit* txtASRactive;
    QLineEdit* txtOCess;
    const std::vector<QLineEdit*>& Boxes() const { return boxes; }

signals:
    void PropertyChanged(const QString& name);

private:
    QLineEdit* AddBox(const char* property);
    static double Number(const QLineEdit* box);
    static void SetNumber(QLineEdit* box, double value);

    clsOutCtl state;
    std::vector<QLineEdit*> boxes;
};
