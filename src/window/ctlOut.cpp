#include "window/ctlOut.h"

#include "base/NumberText.h"
#include "engine/clsTorviOutputs.h"
#include "window/PanelMetrics.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include <stdexcept>
#include <tuple>

namespace {

// What the panel shows of each output of ScenarioOutputFields, in their order: the property name
// its box announces its changes under, and the caption of its row.
struct OutputRow {
    const char* property;
    clsInputStatus::Caption caption;
};

const OutputRow outputRows[] = {
    {"CrownFB", {"CRFB", "Crown Fraction Burned"}},
    {"ROS", {"SPRT", "Spread Rate"}},
    {"HeatPUA", {"HPUA", "Heat per Unit Area"}},
    {"FireLineInt", {"FLIN", "Fireline Intensity"}},
    {"FireIntensScale", {"FIS", "Fire intensity scale"}},
    {"FlameLen", {"FLML", "Flame Length"}},
    {"MidFlameWind", {"EMFW", "effective mid-flame windspeed"}},
    {"IdxTorch", {"TORI", "Torching Index: the 20-ft windspeed at which some kind of crowning is possible"}},
    {"IdxCrown", {"CRNI", "Crowning Index: the 20-ft windspeed at which active crown fire is possible"}},
    {"IdxSurface",
     {"SURI", "Surfacing Index: the 20-ft windspeed at which an active crown fire would drop to the surface"}},
    {"InitFireLineInt", {"FLINinitiation", "Critical fireline intenstity for crown fire initiation"}},
    {"InitFlameLen", {"FLMLinitiation", "Critical Flame Length for crown fire initiation"}},
    {"InitCritSurfROS",
     {"SPRTinitiation", "Critical spread rate for crown fire initiation (depends on surface fuel characteristics)"}},
    {"ASCanopyBD", {"ACBDactive", "Critical available bulk density for sustained active crown fire"}},
    {"ASRactive", {"SPRTactive", "Critical spread rate for sustained active crown fire"}},
    {"OCess",
     {"OWNDcessation",
      "Critical open windspeed to cause active crown fire cessation due to a too-high canopy base height"}},
};

static_assert(std::size(outputRows) == ScenarioOutputFields::Count, "one row for each output");

}  // namespace

const clsInputStatus::Caption& ctlOut::OutputCaption(std::size_t index)
{
    return outputRows[index].caption;
}

ctlOut::ctlOut(QWidget* parent) : QWidget(parent)
{
    // The boxes in panel order, each announcing its changes under its property name.
    txtFireType = AddBox("FireType");
    for (const OutputRow& row : outputRows)
        AddBox(row.property);
    std::tie(txtCrownFB, txtROS, txtHeatPUA, txtFireLineInt, txtFireIntensScale, txtFlameLen, txtMidFlameWind,
             txtIdxTorch, txtIdxCrown, txtIdxSurface, txtInitFireLineInt, txtInitFlameLen, txtInitCritSurfROS,
             txtASCanopyBD, txtASRactive, txtOCess) =
        std::tie(boxes[1], boxes[2], boxes[3], boxes[4], boxes[5], boxes[6], boxes[7], boxes[8], boxes[9], boxes[10],
                 boxes[11], boxes[12], boxes[13], boxes[14], boxes[15], boxes[16]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(PanelMetrics::RowSpacing);
    for (QLineEdit* box : boxes)
        layout->addWidget(box);
}

QLineEdit* ctlOut::AddBox(const char* property)
{
    auto* box = new QLineEdit(this);
    box->setReadOnly(true);
    box->setFixedHeight(PanelMetrics::RowHeight);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setObjectName(QString("txt") + property);
    const QString name = property;
    connect(box, &QLineEdit::textChanged, this, [this, name] { emit PropertyChanged(name); });
    boxes.push_back(box);
    return box;
}

void ctlOut::Init()
{
    for (QLineEdit* box : boxes)
        box->clear();
    state.SetIsCalculated(false);
}

// Callers read only calculated panels: an empty or non-numeric box is their error.
double ctlOut::Number(const QLineEdit* box)
{
    double value = 0;
    if (box->text() == clsTorviOutputs::NotReachableText)
        return clsTorviOutputs::NotReachable;
    if (!NumberText::ParseDouble(box->text().toStdString(), value))
        throw std::invalid_argument("ctlOut: " + box->objectName().toStdString() + " holds no number");
    return value;
}

void ctlOut::SetNumber(QLineEdit* box, double value)
{
    if (clsTorviOutputs::IsNotReachable(value)) {
        box->setText(clsTorviOutputs::NotReachableText);
        return;
    }
    box->setText(QString::fromStdString(NumberText::ShortestText(value)));
}

void ctlOut::SetOutput(std::size_t index, double value)
{
    SetNumber(boxes.at(index + 1), value);  // after the fire type
}

QString ctlOut::GetFireType() const { return txtFireType->text(); }
void ctlOut::SetFireType(const QString& text) { txtFireType->setText(text); }
double ctlOut::GetCrownFB() const { return Number(txtCrownFB); }
void ctlOut::SetCrownFB(double value) { SetNumber(txtCrownFB, value); }
double ctlOut::GetROS() const { return Number(txtROS); }
void ctlOut::SetROS(double value) { SetNumber(txtROS, value); }
double ctlOut::GetHeatPUA() const { return Number(txtHeatPUA); }
void ctlOut::SetHeatPUA(double value) { SetNumber(txtHeatPUA, value); }
double ctlOut::GetFireLineInt() const { return Number(txtFireLineInt); }
void ctlOut::SetFireLineInt(double value) { SetNumber(txtFireLineInt, value); }
double ctlOut::GetFireIntensScale() const { return Number(txtFireIntensScale); }
void ctlOut::SetFireIntensScale(double value) { SetNumber(txtFireIntensScale, value); }
double ctlOut::GetFlameLen() const { return Number(txtFlameLen); }
void ctlOut::SetFlameLen(double value) { SetNumber(txtFlameLen, value); }
double ctlOut::GetMidFlameWind() const { return Number(txtMidFlameWind); }
void ctlOut::SetMidFlameWind(double value) { SetNumber(txtMidFlameWind, value); }
double ctlOut::GetIdxTorch() const { return Number(txtIdxTorch); }
void ctlOut::SetIdxTorch(double value) { SetNumber(txtIdxTorch, value); }
void ctlOut::SetIdxTorchNA() { txtIdxTorch->clear(); }
double ctlOut::GetIdxCrown() const { return Number(txtIdxCrown); }
void ctlOut::SetIdxCrown(double value) { SetNumber(txtIdxCrown, value); }
void ctlOut::SetIdxCrownNA() { txtIdxCrown->clear(); }
double ctlOut::GetIdxSurface() const { return Number(txtIdxSurface); }
void ctlOut::SetIdxSurface(double value) { SetNumber(txtIdxSurface, value); }
double ctlOut::GetInitFireLineInt() const { return Number(txtInitFireLineInt); }
void ctlOut::SetInitFireLineInt(double value) { SetNumber(txtInitFireLineInt, value); }
double ctlOut::GetInitFlameLen() const { return Number(txtInitFlameLen); }
void ctlOut::SetInitFlameLen(double value) { SetNumber(txtInitFlameLen, value); }
double ctlOut::GetInitCritSurfROS() const { return Number(txtInitCritSurfROS); }
void ctlOut::SetInitCritSurfROS(double value) { SetNumber(txtInitCritSurfROS, value); }
double ctlOut::GetASCanopyBD() const { return Number(txtASCanopyBD); }
void ctlOut::SetASCanopyBD(double value) { SetNumber(txtASCanopyBD, value); }
double ctlOut::GetASRactive() const { return Number(txtASRactive); }
void ctlOut::SetASRactive(double value) { SetNumber(txtASRactive, value); }
double ctlOut::GetOCess() const { return Number(txtOCess); }
void ctlOut::SetOCess(double value) { SetNumber(txtOCess, value); }
