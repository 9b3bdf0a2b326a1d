#include "window/ctlIn.h"

#include "base/NumberText.h"
#include "window/clsHelpViewer.h"
#include "window/PanelMetrics.h"
#include "window/frmFuelModel.h"
#include "runs/clsRun.h"
#include "engine/ScenarioInputFields.h"
#include "units/clsUnits.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// The mark of the wind reduction factor boxes' wizard button: an ellipsis, as buttons that open a
// dialogue carry.
QIcon WizardIcon()
{
    QPixmap mark(16, 16);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QApplication::palette().color(QPalette::WindowText));
    for (int dot = 0; dot < 3; ++dot)
        painter.drawEllipse(QPointF(3.5 + 4.5 * dot, 11.5), 1.5, 1.5);
    return QIcon(mark);
}

constexpr int32_t Shrub = clsTorviInputs::Shrub;
constexpr int32_t Conifer = clsTorviInputs::Conifer;
constexpr int32_t Surface = clsTorviInputs::Surface;

struct FieldInfo {
    const char* toolTip;
    const char* initialText;  // nullptr: empty and not validated
    double emptyValue;
};

// Numeric fields 2..23 (fields 0, 1 and 6 have no box).
FieldInfo Info(int field)
{
    switch (field) {
    case 2: return {"[0.1 - 1.0]", "0.1", 0.1};
    case 3: case 4: case 5: case 8: case 9: case 10: return {"[0.2 - 5.0]", "1", 1};
    case 7: return {"[0.2 - 1.0]", "0.1", 0.1};
    case 11: return {"[0 - 60] ", nullptr, 0};
    case 12: case 13: return {"[0 - 60]", nullptr, 0};
    case 14: case 15: return {"[30 - 300]", nullptr, 0};
    case 16: return {"shrub[0.0 - 1.0 kg/m3]  conifer[0.0 - 0.4 kg/m3] [0.0 - 0.025 lb/ft3]", nullptr, 0};
    case 17: return {"[0 - 99 ft] [0-30 m]", nullptr, 0};
    case 18: return {"[0 - 15]", nullptr, 0};
    case 19: return {"[70 - 120]", "100", 0};
    case 20: return {"[0 - 99 ft] [0 - 30 m]", nullptr, 0};
    case 21: return {"[0 - 60 mi/hr] [0 - 100 km/hr]", nullptr, 0};
    case 22: return {"[0 - 100]", nullptr, 0};
    case 23: return {"[0 - 360]", nullptr, 0};
    default: throw std::out_of_range("ctlIn: field " + std::to_string(field) + " has no box");
    }
}

}  // namespace

const QColor ctlIn::Red(0xFF, 0x00, 0x00);
const QColor ctlIn::Grey(0xC0, 0xC0, 0xC0);

int ctlIn::fld2Idx(int field)
{
    if (field >= 2 && field <= 5)
        return field - 1;
    if (field >= 7 && field <= 23)
        return field - 2;
    throw std::out_of_range("ctlIn: field " + std::to_string(field) + " has no box");
}

int ctlIn::Idx2fld(int box)
{
    if (box >= 1 && box <= 4)
        return box + 1;
    if (box >= 5 && box <= BoxCount)
        return box + 2;
    throw std::out_of_range("ctlIn: no box " + std::to_string(box));
}

clsTorviUnit& ctlIn::UnitOf(clsRun& run, int field)
{
    const auto unit = ScenarioInputFields::At(field).unit;
    if (!unit)
        throw std::out_of_range("ctlIn: field " + std::to_string(field) + " has no unit");
    return run.units.*unit;
}

ctlIn::ctlIn(clsRun& run, QString programDir, clsHelpViewer* help, QWidget* parent)
    : QWidget(parent),
      cmboVegType(new QComboBox(this)),
      cmdLowFM(new QPushButton(this)),
      cmdHiFM(new QPushButton(this)),
      run(run),
      programDir(std::move(programDir)),
      help(help)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(PanelMetrics::RowSpacing);

    cmboVegType->blockSignals(true);
    cmboVegType->addItem("shrub", Shrub);
    cmboVegType->addItem("conifer", Conifer);
    cmboVegType->addItem("surface", Surface);
    cmboVegType->setCurrentIndex(-1);
    cmboVegType->blockSignals(false);
    for (QWidget* row : std::initializer_list<QWidget*>{cmboVegType, cmdLowFM, cmdHiFM})
        row->setFixedHeight(PanelMetrics::RowHeight);
    // Rows in field order: type, low model with its four factors, high model with its four, the rest.
    layout->addWidget(cmboVegType);
    layout->addWidget(cmdLowFM);
    for (int box = 1; box <= BoxCount; ++box) {
        if (box == 5)
            layout->addWidget(cmdHiFM);
        auto* text = new QLineEdit(this);
        text->setFixedHeight(PanelMetrics::RowHeight);
        text->setToolTip(Info(Idx2fld(box)).toolTip);
        text->setAutoFillBackground(true);
        text->installEventFilter(this);
        connect(text, &QLineEdit::textChanged, this, [this, box] {
            if (showingStored)
                return;
            state.SetIsDirty(true);
            changed[box] = true;
        });
        connect(text, &QLineEdit::textEdited, this, [this, box] { exact[box].reset(); });
        txtInp[box] = text;
        layout->addWidget(text);
    }
    // The right button of the wind reduction factor boxes opens the wind adjustment wizard, as do
    // the context menu keys and the wizard button at the end of the box.
    for (int box : {1, 5}) {
        txtInp[box]->setContextMenuPolicy(Qt::PreventContextMenu);
        QAction* wizard = txtInp[box]->addAction(WizardIcon(), QLineEdit::TrailingPosition);
        wizard->setToolTip("Wind adjustment wizard (Shift+F10)");
        connect(wizard, &QAction::triggered, this, [this, box] {
            if (txtInp[box]->isEnabled())
                OpenWAFWizard(box);
        });
    }

    connect(cmboVegType, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            VegTypeChanged();
    });
    connect(cmdLowFM, &QPushButton::clicked, this, &ctlIn::Select_Low_FM);
    connect(cmdHiFM, &QPushButton::clicked, this, &ctlIn::Select_High_FM);
    FuelMdlLow_Init();
    FuelMdlHi_Init();
}

clsTorviInputs& ctlIn::Record() const
{
    return run.io(state.parentId).IData;
}

QColor ctlIn::WindowColour() const
{
    return palette().color(QPalette::Active, QPalette::Base);
}

void ctlIn::PaintBox(int box, const QColor& colour)
{
    QPalette colours = txtInp[box]->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::Base, colour);
    // A disabled value stays readable on the grey.
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(0x40, 0x40, 0x40));
    txtInp[box]->setPalette(colours);
}

void ctlIn::SetDefaultFocus()
{
    txtInp[1]->setFocus();
}

// ---- simulation type -------------------------------------------------------------------------

int ctlIn::GetVegType() const
{
    return cmboVegType->currentData().toInt();
}

void ctlIn::SetVegType(int type)
{
    if (type < Shrub || type > Surface)
        return;
    if (cmboVegType->currentIndex() == type - 1)
        VegTypeChanged();
    else
        cmboVegType->setCurrentIndex(type - 1);
}

void ctlIn::VegType_Init()
{
    cmboVegType->setToolTip("simple surface fire");
    SetVegType(Surface);
    state.SetIsDirty(false);
}

void ctlIn::VegTypeChanged()
{
    state.SetIsDirty(true);
    const int type = GetVegType();
    static const char* const toolTips[] = {"", "shrub-canopy fire", "conifer crown fire", "simple surface fire"};
    cmboVegType->setToolTip(toolTips[type]);

    // The high fuel model first, so that the moisture boxes follow the new model.
    if (type == Conifer) {
        const int32_t number = clsTorviInputs::ConiferHighFuelModel;
        const clsFuelModel* timber = run.getSelectedFM(number);
        SetFuelMdlHi(number, timber ? QString::fromStdString(timber->fuelModelCode) : "High FM",
                     timber ? QString::fromStdString(timber->fuelModelName) : "");
        state.SetValidated(6);
        // The stand's high side burns with a fixed wind reduction factor: its box shows that one.
        SetField(7, clsTorviInputs::ConiferHighWindReductionFactor);
        StoreField(7);
    } else {
        FuelMdlHi_Init();
        if (type == Surface)
            state.SetValidated(6);
    }
    cmdHiFM->setEnabled(type == Shrub);
    ReevaluateMoistures();
    // A box that is not typed but still counts keeps being checked: a disabled box never hides a
    // value the calculation would not take.
    const clsFieldUse use = FieldUse();
    for (int field : {16, 17, 18, 19, 8, 20, 7, 9, 10}) {
        if (use.Entered(field))
            EnableField(field);
        else
            DisableField(field, use.Of(field) == clsFieldUse::Use::Unused);
    }

    emit VegTypePropertyChanged();
    Record().VegType = type;
    state.FireVegTypeClick(state.parentId);
}

// ---- fuel models -----------------------------------------------------------------------------

void ctlIn::InitFuelModel(QPushButton* button, int field, const char* caption, const char* toolTip)
{
    button->setProperty("tag", 0);
    button->setText(caption);
    button->setToolTip(toolTip);
    state.SetNotValidated(field);
}

void ctlIn::FuelMdlLow_Init()
{
    InitFuelModel(cmdLowFM, 1, "Low FM", "Low Fuel Model");
}

void ctlIn::FuelMdlHi_Init()
{
    InitFuelModel(cmdHiFM, 6, "High FM", "High Fuel Model");
}

int ctlIn::GetFuelMdlLow() const
{
    return cmdLowFM->property("tag").toInt();
}

int ctlIn::GetFuelMdlHi() const
{
    return cmdHiFM->property("tag").toInt();
}

void ctlIn::SetFuelModel(QPushButton* button, int field, bool high, int number, const QString& caption,
                         const QString& toolTip)
{
    button->setProperty("tag", number);
    button->setText(caption);
    button->setToolTip(!toolTip.isEmpty() ? toolTip : high ? "High Fuel Model" : "Low Fuel Model");
    (high ? Record().HighInputs : Record().LowInputs).fuelModelID = number;
    state.SetValidated(field);
    state.SetIsDirty(true);
    ReevaluateMoistures();
}

void ctlIn::SetFuelMdlLow(int number, const QString& caption, const QString& toolTip)
{
    SetFuelModel(cmdLowFM, 1, false, number, caption, toolTip);
}

void ctlIn::SetFuelMdlHi(int number, const QString& caption, const QString& toolTip)
{
    SetFuelModel(cmdHiFM, 6, true, number, caption, toolTip);
}

void ctlIn::ChooseFuelModel(QPushButton* button, int box, bool high)
{
    const int current = button->property("tag").toInt();
    frmFuelModel chooser(*run.defFM.fmColl, programDir, help, this);
    const int chosen = chooser.SelectFM(current);
    if (chosen < 1 || chosen == current)
        return;
    const clsFuelModel* model = run.getSelectedFM(chosen);
    if (!model)
        return;
    SetFuelModel(button, high ? 6 : 1, high, chosen, QString::fromStdString(model->fuelModelCode),
                 QString::fromStdString(model->fuelModelName));
    LeaveBox(box);
}

ctlIn::HeldFuelModels ctlIn::FuelModelsHeld() const
{
    return {GetFuelMdlLow(), GetFuelMdlHi(), FuelMdlLowIsValid(), FuelMdlHiIsValid(), state.IsDirty()};
}

void ctlIn::RestoreFuelModels(const HeldFuelModels& held)
{
    const HeldFuelModels now = FuelModelsHeld();
    if (now.low == held.low && now.high == held.high)
        return;
    for (const bool high : {false, true}) {
        QPushButton* button = high ? cmdHiFM : cmdLowFM;
        const int number = high ? held.high : held.low;
        if (button->property("tag").toInt() == number)
            continue;
        const clsFuelModel* model = (high ? held.highValid : held.lowValid) ? run.getSelectedFM(number) : nullptr;
        if (model) {
            SetFuelModel(button, high ? 6 : 1, high, number, QString::fromStdString(model->fuelModelCode),
                         QString::fromStdString(model->fuelModelName));
            continue;
        }
        if (high)
            FuelMdlHi_Init();
        else
            FuelMdlLow_Init();
        button->setProperty("tag", number);
        (high ? Record().HighInputs : Record().LowInputs).fuelModelID = number;
        ReevaluateMoistures();
    }
    state.SetIsDirty(held.dirty);
    LeaveBox(1);
}

void ctlIn::Select_Low_FM()
{
    ChooseFuelModel(cmdLowFM, 1, false);
}

void ctlIn::Select_High_FM()
{
    ChooseFuelModel(cmdHiFM, 6, true);
}

clsFieldUse ctlIn::FieldUse() const
{
    return clsFieldUse(GetVegType(), run.getSelectedFM(GetFuelMdlLow()), run.getSelectedFM(GetFuelMdlHi()), links);
}

void ctlIn::SetMoistureLinks(const clsFieldUse::Links& moistureLinks)
{
    links = moistureLinks;
    ReevaluateMoistures();
}

void ctlIn::ReevaluateMoistures()
{
    const clsFieldUse use = FieldUse();
    for (int field = 11; field <= 15; ++field) {
        switch (use.Of(field)) {
        case clsFieldUse::Use::Entered:
            EnableField(field);
            break;
        case clsFieldUse::Use::Unused:
            DisableField(field, true);
            break;
        default:  // filled by a moisture option: checked like a typed value
            DisableField(field, false);
            break;
        }
    }
    LinkSizeClassMoistures();
}

// The 10-hour and 100-hour moistures follow the 1-hour moisture: one and two percent more.
void ctlIn::LinkSizeClassMoistures()
{
    if (!HoldsValue(11))
        return;
    const clsFieldUse use = FieldUse();
    const double oneHour = GetField(11);
    for (int field : {12, 13}) {
        if (use.Of(field) != clsFieldUse::Use::FollowsDead1Hr)
            continue;
        FillField(field, oneHour + (field - 11));
    }
}

void ctlIn::FillField(int field, double value)
{
    FillText(field, QString::fromStdString(NumberText::ShortestText(value)));
}

void ctlIn::EmptyFilledField(int field)
{
    FillText(field, QString());
}

// What a moisture option fills in changes a scenario the analyst has begun only where the value
// differs; a scenario not begun stays as clean as it was, with nothing to save.
void ctlIn::FillText(int field, const QString& text)
{
    const int box = fld2Idx(field);
    if (txtInp[box]->text() != text) {
        const bool begun = !IsBlank();
        showingStored = true;
        txtInp[box]->setText(text);
        showingStored = false;
        exact[box].reset();
        if (begun)
            state.SetIsDirty(true);
    }
    if (ValidateField(field))
        StoreField(field);
}

bool ctlIn::HoldsValue(int field) const
{
    return FieldUse().Used(field) && state.Validated(field) && !txtInp[fld2Idx(field)]->text().trimmed().isEmpty();
}

std::pair<int, clsInputStatus::Problem> ctlIn::FirstProblem() const
{
    for (int field = clsInCtl::FirstField; field <= clsInCtl::LastField; ++field) {
        if (state.Validated(field))
            continue;
        if (field == 1 || field == 6)
            return {field, clsInputStatus::Problem::NotChosen};
        const clsInputStatus::Problem problem = Check(field);
        if (problem != clsInputStatus::Problem::None)
            return {field, problem};
    }
    return {0, clsInputStatus::Problem::None};
}

bool ctlIn::IsBlank() const
{
    if (GetVegType() != Surface || GetFuelMdlLow() != 0)
        return false;
    const clsFieldUse use = FieldUse();
    for (int field = 2; field <= clsInCtl::LastField; ++field) {
        if (field == 6 || !use.Entered(field))
            continue;
        const char* initial = Info(field).initialText;
        if (txtInp[fld2Idx(field)]->text() != QString(initial ? initial : ""))
            return false;
    }
    return true;
}

// ---- numeric fields --------------------------------------------------------------------------

double ctlIn::GetField(int field) const
{
    const int box = fld2Idx(field);
    return clsInCtl::BoxValue(field, BoxText(box), exact[box], Info(field).emptyValue);
}

std::string ctlIn::BoxText(int box) const
{
    return txtInp[box]->text().trimmed().toStdString();
}

void ctlIn::SetField(int field, double value)
{
    const int box = fld2Idx(field);
    txtInp[box]->setText(QString::fromStdString(NumberText::ShortestText(value)));
    exact[box].reset();
}

void ctlIn::ShowNative(int field, double native)
{
    const int box = fld2Idx(field);
    if (native == clsTorviInputs::NoValue) {
        showingStored = true;
        txtInp[box]->clear();
        showingStored = false;
        exact[box].reset();
        changed[box] = false;
        return;
    }
    const double display = clsInCtl::DisplayOf(field, UnitOf(run, field), native);
    // Rounded as the analyst reads it; until the box is edited, the exact value is what is checked
    // and stored.
    showingStored = true;
    txtInp[box]->setText(QString::fromStdString(NumberText::DisplayText(display, UnitOf(run, field).GetPrecision())));
    showingStored = false;
    exact[box] = clsInCtl::Shown{display, native};
    changed[box] = false;
}

void ctlIn::RedisplayNative(int field, double native)
{
    const int box = fld2Idx(field);
    double shown = 0;
    if (changed[box] || !NumberText::ParseDouble(txtInp[box]->text().trimmed().toStdString(), shown))
        return;
    ShowNative(field, native);
}

clsInputStatus::Problem ctlIn::Check(int field) const
{
    using Problem = clsInputStatus::Problem;
    const int box = fld2Idx(field);
    const Problem problem = clsInCtl::CheckBox(UnitOf(run, field), BoxText(box), exact[box]);
    // A moisture that follows the 1-hour moisture waits for it; the 1-hour box is what is missing.
    const bool waiting = problem == Problem::Empty && (field == 12 || field == 13) && !state.Validated(11) &&
                         FieldUse().Of(field) == clsFieldUse::Use::FollowsDead1Hr;
    return waiting ? Problem::None : problem;
}

bool ctlIn::ValidateField(int field)
{
    const int box = fld2Idx(field);
    const clsInputStatus::Problem problem = Check(field);
    const bool valid = problem == clsInputStatus::Problem::None;
    const bool red = problem == clsInputStatus::Problem::NotANumber || problem == clsInputStatus::Problem::OutOfRange;
    const QColor normal = txtInp[box]->isEnabled() ? WindowColour() : Grey;
    PaintBox(box, red ? Red : normal);
    if (valid)
        state.SetValidated(field);
    else
        state.SetNotValidated(field);
    return valid;
}

void ctlIn::ValidateShownField(int field)
{
    if (FieldUse().Used(field))
        ValidateField(field);
    else
        state.SetValidated(field);
}

void ctlIn::DisableField(int field, bool validated)
{
    const int box = fld2Idx(field);
    txtInp[box]->setEnabled(false);
    txtInp[box]->setReadOnly(true);
    PaintBox(box, Grey);
    if (validated)
        state.SetValidated(field);
    else
        ValidateField(field);
}

void ctlIn::EnableField(int field)
{
    const int box = fld2Idx(field);
    txtInp[box]->setEnabled(true);
    txtInp[box]->setReadOnly(false);
    PaintBox(box, WindowColour());
    ValidateField(field);
}

void ctlIn::StoreField(int field)
{
    const int box = fld2Idx(field);
    clsInCtl::StoreBox(Record(), UnitOf(run, field), field, BoxText(box), exact[box], Info(field).emptyValue);
    changed[box] = false;
}

void ctlIn::txtInp_Init()
{
    for (int field = 1; field <= clsInCtl::LastField; ++field) {
        if (field == 1) {
            FuelMdlLow_Init();
            continue;
        }
        if (field == 6) {
            FuelMdlHi_Init();
            continue;
        }
        const int box = fld2Idx(field);
        const char* initial = Info(field).initialText;
        txtInp[box]->setText(initial ? initial : "");
        exact[box].reset();
        PaintBox(box, txtInp[box]->isEnabled() ? WindowColour() : Grey);
        if (initial)
            state.SetValidated(field);
        else
            state.SetNotValidated(field);
    }
    state.SetIsDirty(false);
}

// ---- leaving boxes and moving between them ---------------------------------------------------

void ctlIn::LeaveBox(int box)
{
    const int field = Idx2fld(box);
    const bool valid = ValidateField(field);
    if (valid && changed[box]) {
        StoreField(field);
        if (field == 11)
            LinkSizeClassMoistures();
    }
    if (valid)
        state.FireInpTxtLostFocus(state.parentId, box);
    else
        emit inputRefused(box);
}

void ctlIn::FocusNext(int box)
{
    if (box == BoxCount) {
        txtInp[1]->setFocus();
        return;
    }
    for (int next = box + 1; next <= BoxCount; ++next)
        if (txtInp[next]->isEnabled()) {
            txtInp[next]->setFocus();
            return;
        }
}

void ctlIn::FocusPrevious(int box)
{
    if (box == 1) {
        txtInp[BoxCount]->setFocus();
        return;
    }
    for (int previous = box - 1; previous >= 1; --previous)
        if (txtInp[previous]->isEnabled()) {
            txtInp[previous]->setFocus();
            return;
        }
}

// The wizard writes the chosen factor into the box; the box gets the focus so that the value is
// checked and stored when the user leaves it.
void ctlIn::OpenWAFWizard(int box)
{
    txtInp[box]->setEnabled(false);
    emit WAFWizardRequested(Idx2fld(box));
    txtInp[box]->setEnabled(true);
    PaintBox(box, WindowColour());
    txtInp[box]->setFocus();
}

int ctlIn::BoxOf(QObject* watched) const
{
    for (int box = 1; box <= BoxCount; ++box)
        if (txtInp[box] == watched)
            return box;
    return 0;
}

bool ctlIn::eventFilter(QObject* watched, QEvent* event)
{
    const int box = BoxOf(watched);
    if (box == 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!txtInp[box]->text().isEmpty())
            QTimer::singleShot(0, txtInp[box], &QLineEdit::selectAll);
        break;
    case QEvent::FocusOut: {
        // Leaving the window for a dialog or a menu is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            LeaveBox(box);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FocusNext(box);
            return true;
        }
        if (key == Qt::Key_Up) {
            FocusPrevious(box);
            return true;
        }
        const bool menuKeys = key == Qt::Key_Menu || (key == Qt::Key_F10 && static_cast<QKeyEvent*>(event)->modifiers() ==
                                                                                 Qt::ShiftModifier);
        if ((box == 1 || box == 5) && menuKeys) {
            OpenWAFWizard(box);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // Filters see the mouse on a disabled box too; a disabled factor does not apply.
        if ((box == 1 || box == 5) && txtInp[box]->isEnabled() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            OpenWAFWizard(box);
            return true;
        }
        break;
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
            FocusNext(box);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
