#pragma once

#include "units/clsTorviUnit.h"

#include <array>
#include <cstdint>
#include <string>

// The catalogue of every quantity the user sees or types, each with its display units, and a flag
// telling whether a display unit has been changed since the catalogue was last reset or saved.
class clsUnits {
public:
    // A drop-down list of units, as the fill-list operations fill it: labels in unit order, each
    // entry carrying its 1-based unit number as item data.
    class UnitList {
    public:
        virtual ~UnitList() = default;
        virtual void Clear() = 0;
        virtual void AddItem(const std::string& label, int16_t itemData) = 0;
    };

    static constexpr std::size_t MemberCount = 37;

    clsUnits();

    void InitUnits();
    bool UnitsChanged() const { return changed; }
    void SetUnitsHaveChanged(bool value) { changed = value; }
    // A catalogue built afresh (changed flag false) holding clones of this one's descriptors.
    clsUnits CopyObj() const;
    static int16_t InternalUnits() { return 1; }

    // The 37 descriptors in catalogue order.
    std::array<clsTorviUnit*, MemberCount> Members();
    std::array<const clsTorviUnit*, MemberCount> Members() const;

    // Conversions without a source unit select the target unit for display and mark the catalogue
    // changed; with a source unit they only convert.
    double CvtHCrown(int16_t unit, double value, int16_t fromUnit = 0);
    double defaultHCrown(double value) const;
    void HCrownList(UnitList& list) const;
    const std::string& HCrownULbl(int16_t unit) const;

    double CvtCanopyBD(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCanopyBD(double value) const;
    void CanopyBDList(UnitList& list) const;
    const std::string& CanopyBDULbl(int16_t unit) const;

    double CvtCanopyBH(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCanopyBH(double value) const;
    void CanopyBHInList(UnitList& list) const;
    const std::string& CanopyBHInULbl(int16_t unit) const;

    double CvtOpenWindSpd(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultOpenWindSpd(double value) const;
    void OpenWindSpeedList(UnitList& list) const;
    const std::string& OpenWindSpdULbl(int16_t unit) const;

    double CvtInitiation(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultInitiation(double value) const;
    void InitiationInList(UnitList& list) const;

    double CvtCROS(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCROS(double value) const;
    void CROSList(UnitList& list) const;
    const std::string& CROSULbl(int16_t unit) const;

    double CvtROS(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultROS(double value) const;
    void ROSList(UnitList& list) const;
    const std::string& ROSULbl(int16_t unit) const;

    double CvtHPUA(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultHPUA(double value) const;
    void HPUAList(UnitList& list) const;
    const std::string& HPUAULbl(int16_t unit) const;

    double CvtFI(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultFI(double value) const;
    void FireIntensList(UnitList& list) const;
    const std::string& FireIntensULbl(int16_t unit) const;

    double CvtFIScale(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultFIScale(double value) const;
    void FireIntensScaleList(UnitList& list) const;
    const std::string& FireIntensScaleULbl(int16_t unit) const;

    double CvtFLen(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultFLen(double value) const;
    void FLenOutList(UnitList& list) const;
    const std::string& FLenOutULbl(int16_t unit) const;

    double CvtEMFW(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultEMFW(double value) const;
    void EMFWOutList(UnitList& list) const;
    const std::string& EMFWOutULbl(int16_t unit) const;

    double CvtTI(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultTI(double value) const;
    void TIOutList(UnitList& list) const;
    const std::string& TIOutULbl(int16_t unit) const;

    double CvtCI(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCI(double value) const;
    void CIOutList(UnitList& list) const;
    const std::string& CIOutULbl(int16_t unit) const;

    double CvtSI(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultSI(double value) const;
    void SIOutList(UnitList& list) const;
    const std::string& SIOutULbl(int16_t unit) const;

    double CvtCFI(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCFI(double value) const;

    double CvtCFLen(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultCFLen(double value) const;
    void CFLenOutList(UnitList& list) const;
    const std::string& CFLenOutULbl(int16_t unit) const;

    double CvtASCanopyBD(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultASCanopyBD(double value) const;

    double CvtASROS(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultASROS(double value) const;
    void ASROSOutList(UnitList& list) const;

    double CvtOCess(int16_t unit, double value, int16_t fromUnit = 0);
    double DefaultOCess(double value) const;
    void OCessOutList(UnitList& list) const;

    // The descriptors, in catalogue order.
    clsTorviUnit globalHCrownUnits;
    clsTorviUnit CanopyBDInUnits;
    clsTorviUnit CanopyBHInUnits;
    clsTorviUnit OpenWindSpdInUnits;
    clsTorviUnit InitiationInUnits;
    clsTorviUnit Dead1HrMCInUnits;
    clsTorviUnit Dead10HrMCInUnits;
    clsTorviUnit Dead100HrMCInUnits;
    clsTorviUnit LiveHerbMCInUnits;
    clsTorviUnit LiveWoodyMCInUnits;
    clsTorviUnit PercentSlopeInUnits;
    clsTorviUnit WindDirFromUphillInUnits;
    clsTorviUnit ConiferFoliarMCInUnits;
    clsTorviUnit CanopyFuelLoadInUnits;
    clsTorviUnit WindReductionFactorLowInUnits;
    clsTorviUnit MultiplierROSLowInUnits;
    clsTorviUnit MultiplierLoadDepthLowInUnits;
    clsTorviUnit MultiplierIntensityLowInUnits;
    clsTorviUnit WindReductionFactorHiInUnits;
    clsTorviUnit MultiplierROSHiInUnits;
    clsTorviUnit MultiplierLoadDepthHiInUnits;
    clsTorviUnit MultiplierIntensityHiInUnits;
    clsTorviUnit ASCanopyBDOutUnits;
    clsTorviUnit CFIOutUnits;
    clsTorviUnit CFLenOutUnits;
    clsTorviUnit CIOutUnits;
    clsTorviUnit CROSOutUnits;
    clsTorviUnit EMFWOutUnits;
    clsTorviUnit FIOutUnits;
    clsTorviUnit FIScaleOutUnits;
    clsTorviUnit FLenOutUnits;
    clsTorviUnit OCessOutUnits;
    clsTorviUnit ASROSOutUnits;
    clsTorviUnit ROSOutUnits;
    clsTorviUnit HPUAOutUnits;
    clsTorviUnit SIOutUnits;
    clsTorviUnit TIOutUnits;

private:
    template <class Self>
    static auto MembersOf(Self& self) -> std::array<decltype(&self.globalHCrownUnits), MemberCount>;
    double Display(clsTorviUnit& member, int16_t unit, double value, int16_t fromUnit);
    static void FillList(const clsTorviUnit& member, UnitList& list);
    void Fill();

    bool changed = false;
};
