#pragma once

#include "engine/clsFieldUse.h"
#include "panels/clsInCtl.h"
#include "panels/clsInputStatus.h"
#include "wizard/clsWAFPanel.h"

#include <QString>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <utility>

class QComboBox;
class QLineEdit;
class QPushButton;
class clsHelpViewer;
class clsRun;
class clsTorviInputs;
class clsTorviUnit;

// The input panel of one scenario: the simulation type, the low and high fuel models and 21
// numeric boxes. Values are checked against the run's units catalogue in the displayed unit,
// shown red when bad, and stored into the scenario's input record in native units.
class ctlIn : public QWidget, public clsWAFPanel {
    Q_OBJECT
public:
    static constexpr int BoxCount = 21;

    ctlIn(clsRun& run, QString programDir, clsHelpViewer* help, QWidget* parent = nullptr);

    clsInCtl& Events() { return state; }
    void SetDefaultFocus();

    int GetVegType() const;
    void SetVegType(int type);
    void VegType_Init();
    void FuelMdlLow_Init();
    void FuelMdlHi_Init();
    int GetFuelMdlLow() const override;
    int GetFuelMdlHi() const override;
    void SetFuelMdlLow(int number, const QString& caption, const QString& toolTip);
    void SetFuelMdlHi(int number, const QString& caption, const QString& toolTip);
    void Select_Low_FM() override;
    void Select_High_FM() override;
    void txtInp_Init();

    // A numeric field (ids 2..5, 7..23): its value in the displayed unit, the shown text, validity.
    double GetField(int field) const;
    void SetField(int field, double value);
    // Shows a stored native value in the field's display unit: with the unit's decimals, or in
    // full when it has more, so that the box shows the value that is calculated. Until the user
    // edits the box the field keeps the exact value, so that showing a stored scenario and storing
    // it again never changes it. Showing is no edit: the panel stays as clean as it was. A field
    // without a value (clsTorviInputs::NoValue) shows an empty box.
    void ShowNative(int field, double native);
    // After a change of the field's display unit: a box that shows a stored value shows it in the
    // new unit; an empty box, or one whose text has not been stored, stays as it is.
    void RedisplayNative(int field, double native);
    bool FieldIsValid(int field) const { return state.Validated(field); }
    // Checks a field shown by the program: a field the scenario does not use counts as valid.
    void ValidateShownField(int field);
    // Which inputs the scenario uses and which the analyst types, for its type, its fuel models and
    // the moisture options.
    clsFieldUse FieldUse() const;
    // The main window's moisture options as they apply to this scenario.
    void SetMoistureLinks(const clsFieldUse::Links& moistureLinks);
    // Enables the moisture boxes the analyst types and disables the others: those of size classes
    // the chosen models lack, and those a moisture option fills.
    void ReevaluateMoistures();
    // With the size class link, the 10-hour and 100-hour moistures in use follow a valid 1-hour one.
    void LinkSizeClassMoistures();
    // A value the program fills in for a moisture option: shown, checked and, when valid, stored.
    void FillField(int field, double value);
    // A box that a moisture option filled and no longer fills: it held no value the analyst gave.
    void EmptyFilledField(int field);
    // True when the field is in use and holds a valid value (not merely a box that does not apply).
    bool HoldsValue(int field) const;
    // The first field (1..23) that keeps the scenario from calculating, with what is wrong with it;
    // Problem::None when there is none.
    std::pair<int, clsInputStatus::Problem> FirstProblem() const;
    // True while the panel holds nothing the analyst has chosen (a simulation type other than the
    // initial surface fire, a fuel model) or typed.
    bool IsBlank() const;
    bool FuelMdlLowIsValid() const override { return state.Validated(1); }
    bool FuelMdlHiIsValid() const override { return state.Validated(6); }
    void SetWindRFLow(double factor) override { SetField(2, factor); }
    void SetWindRFHi(double factor) override { SetField(7, factor); }
    // The fuel models as the panel holds them, for a dialogue that may choose one on the way to be
    // taken back when it is cancelled.
    struct HeldFuelModels {
        int low = 0;
        int high = 0;
        bool lowValid = false;
        bool highValid = false;
        bool dirty = false;
    };
    HeldFuelModels FuelModelsHeld() const;
    // Puts the held fuel models back, and the scenario is calculated again from them.
    void RestoreFuelModels(const HeldFuelModels& held);

    // Disabling greys and locks a box, then marks the field valid (validated true) or checks it;
    // enabling unlocks it and checks it again.
    void DisableField(int field, bool validated);
    void EnableField(int field);
    void DisableDead1MC(bool validated) { DisableField(11, validated); }
    void EnableDead1MC() { EnableField(11); }
    void DisableDead10MC(bool validated) { DisableField(12, validated); }
    void EnableDead10MC() { EnableField(12); }
    void DisableDead100MC(bool validated) { DisableField(13, validated); }
    void EnableDead100MC() { EnableField(13); }
    void DisableLiveHerbMC(bool validated) { DisableField(14, validated); }
    void EnableLiveHerbMC() { EnableField(14); }
    void DisableLiveWoodyMC(bool validated) { DisableField(15, validated); }
    void EnableLiveWoodyMC() { EnableField(15); }

    // Writes an accepted field's value into the scenario record in native units, an empty box as
    // clsTorviInputs::NoValue; the box then shows what the record holds.
    void StoreField(int field);

    static int fld2Idx(int field);
    static int Idx2fld(int box);

    // The catalogue member that holds a field's range and display unit.
    static clsTorviUnit& UnitOf(clsRun& run, int field);

    QComboBox* cmboVegType;
    QPushButton* cmdLowFM;
    QPushButton* cmdHiFM;
    std::array<QLineEdit*, BoxCount + 1> txtInp{};  // 1-based, as the box numbers

    static const QColor Red;
    static const QColor Grey;

signals:
    // The simulation type list changed (for the container).
    void VegTypePropertyChanged();
    // The user left a box whose content is not valid: it is neither stored nor announced to the
    // scenario holder, but what the scenario shows no longer belongs to its inputs.
    void inputRefused(int box);
    // The right button, the context menu keys or the box's wizard button were pressed on a wind
    // reduction factor box (field 2 or 7): the wind adjustment wizard runs for that field while
    // the box is disabled.
    void WAFWizardRequested(int field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ValidateField(int field);
    void FillText(int field, const QString& text);
    clsInputStatus::Problem Check(int field) const;
    std::string BoxText(int box) const;
    void LeaveBox(int box);
    void OpenWAFWizard(int box);
    void FocusNext(int box);
    void FocusPrevious(int box);
    void VegTypeChanged();
    void ChooseFuelModel(QPushButton* button, int box, bool high);
    void SetFuelModel(QPushButton* button, int field, bool high, int number, const QString& caption,
                      const QString& toolTip);
    void InitFuelModel(QPushButton* button, int field, const char* caption, const char* toolTip);
    void PaintBox(int box, const QColor& colour);
    QColor WindowColour() const;
    clsTorviInputs& Record() const;
    int BoxOf(QObject* watched) const;

    clsRun& run;
    QString programDir;
    clsHelpViewer* help;
    clsInCtl state;
    clsFieldUse::Links links;
    bool showingStored = false;
    std::array<bool, BoxCount + 1> changed{};
    std::array<std::optional<clsInCtl::Shown>, BoxCount + 1> exact{};
};
