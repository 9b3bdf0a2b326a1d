#pragma once

#include <cstdint>
#include <string>
#include <vector>

class clsUserInteraction;

// The display units of one quantity: labels, conversion multipliers, valid ranges, decimals and
// table steps per unit, and the unit currently selected for display. Unit 1 is the native unit,
// the one the engine, the records and the files hold. Units are numbered from 1.
//
// A unit number outside 1..UnitSize() in any table access is a programming error: it throws
// std::out_of_range and changes nothing. A conversion that overflows throws std::overflow_error.
class clsTorviUnit {
public:
    void Init();
    void InitSize(int16_t n);
    void InitCurrUnit();
    int16_t UnitSize() const { return unitCount; }
    int16_t GetCurrUnit() const { return currentUnit; }
    // Not checked against the unit count: the next table access answers for it.
    void SetCurrUnit(int16_t unit) { currentUnit = unit; }

    void SetUnitLabel(int16_t unit, const std::string& label);
    void SetPrecision(int16_t unit, int16_t digits);
    int16_t GetPrecision() const;
    void SetPgStep(int16_t unit, double step);
    double GetPgStep() const;
    void SetRowStep(int16_t unit, double step);
    double GetRowStep() const;
    void SetUnitCvtMult(int16_t fromUnit, int16_t toUnit, double multiplier);
    void SetUnitMinMax(int16_t unit, double min, double max);
    double GetMinDataVal() const;
    double GetMaxDataVal() const;

    // With a source unit (not 0): value converted from it to toUnit, the current unit unchanged.
    // Without one: a native value converted for display in toUnit, which also becomes the current
    // unit; from then on the getters and CvtToNative answer for it.
    double Cvt(int16_t toUnit, double value, int16_t fromUnit = 0);
    // A value typed in the current unit, turned back into the native unit.
    double CvtToNative(double value) const;
    const std::string& UnitLbl(int16_t unit) const;

    clsTorviUnit CloneObj() const;
    // A diagnostic listing of the labels, ranges and multipliers, one message per item.
    void Dump(clsUserInteraction& ui) const;

private:
    std::size_t Index(int16_t unit) const;
    std::size_t MatrixIndex(int16_t fromUnit, int16_t toUnit) const;
    static double Multiply(double value, double multiplier);

    int16_t unitCount = 0;
    int16_t currentUnit = 1;
    std::vector<std::string> labels;
    std::vector<int16_t> precisions;
    std::vector<double> pageSteps;
    std::vector<double> rowSteps;
    std::vector<double> minima;
    std::vector<double> maxima;
    std::vector<double> matrix;  // row = from unit, column = to unit
};
