#include "units/clsTorviUnit.h"

#include "base/NumberText.h"
#include "base/clsUserInteraction.h"

#include <cmath>
#include <stdexcept>

void clsTorviUnit::Init()
{
    currentUnit = 1;
}

void clsTorviUnit::InitSize(int16_t n)
{
    unitCount = n < 0 ? 0 : n;
    const auto count = static_cast<std::size_t>(unitCount);
    labels.assign(count, std::string());
    precisions.assign(count, 0);
    pageSteps.assign(count, 0.0);
    rowSteps.assign(count, 0.0);
    minima.assign(count, 0.0);
    maxima.assign(count, 0.0);
    matrix.assign(count * count, 0.0);
}

void clsTorviUnit::InitCurrUnit()
{
    currentUnit = 1;
}

std::size_t clsTorviUnit::Index(int16_t unit) const
{
    if (unit < 1 || unit > unitCount)
        throw std::out_of_range("unit number " + std::to_string(unit) + " outside 1.." + std::to_string(unitCount));
    return static_cast<std::size_t>(unit - 1);
}

std::size_t clsTorviUnit::MatrixIndex(int16_t fromUnit, int16_t toUnit) const
{
    return Index(fromUnit) * static_cast<std::size_t>(unitCount) + Index(toUnit);
}

void clsTorviUnit::SetUnitLabel(int16_t unit, const std::string& label)
{
    labels[Index(unit)] = label;
}

void clsTorviUnit::SetPrecision(int16_t unit, int16_t digits)
{
    precisions[Index(unit)] = digits;
}

int16_t clsTorviUnit::GetPrecision() const
{
    return precisions[Index(currentUnit)];
}

void clsTorviUnit::SetPgStep(int16_t unit, double step)
{
    pageSteps[Index(unit)] = step;
}

double clsTorviUnit::GetPgStep() const
{
    return pageSteps[Index(currentUnit)];
}

void clsTorviUnit::SetRowStep(int16_t unit, double step)
{
    rowSteps[Index(unit)] = step;
}

double clsTorviUnit::GetRowStep() const
{
    return rowSteps[Index(currentUnit)];
}

void clsTorviUnit::SetUnitCvtMult(int16_t fromUnit, int16_t toUnit, double multiplier)
{
    matrix[MatrixIndex(fromUnit, toUnit)] = multiplier;
}

void clsTorviUnit::SetUnitMinMax(int16_t unit, double min, double max)
{
    const std::size_t i = Index(unit);
    minima[i] = min;
    maxima[i] = max;
}

double clsTorviUnit::GetMinDataVal() const
{
    return minima[Index(currentUnit)];
}

double clsTorviUnit::GetMaxDataVal() const
{
    return maxima[Index(currentUnit)];
}

double clsTorviUnit::Multiply(double value, double multiplier)
{
    const double result = value * multiplier;
    if (std::isinf(result) && std::isfinite(value))
        throw std::overflow_error("unit conversion overflow");
    return result;
}

double clsTorviUnit::Cvt(int16_t toUnit, double value, int16_t fromUnit)
{
    if (fromUnit != 0)
        return Multiply(value, matrix[MatrixIndex(fromUnit, toUnit)]);
    const double result = Multiply(value, matrix[MatrixIndex(1, toUnit)]);
    currentUnit = toUnit;
    return result;
}

double clsTorviUnit::CvtToNative(double value) const
{
    return Multiply(value, matrix[MatrixIndex(currentUnit, 1)]);
}

const std::string& clsTorviUnit::UnitLbl(int16_t unit) const
{
    return labels[Index(unit)];
}

clsTorviUnit clsTorviUnit::CloneObj() const
{
    clsTorviUnit copy;
    if (unitCount < 1)
        return copy;  // an empty descriptor keeps nothing of its source
    copy = *this;
    return copy;
}

void clsTorviUnit::Dump(clsUserInteraction& ui) const
{
    for (int16_t unit = 1; unit <= unitCount; ++unit)
        ui.ShowMessage("unit label: " + UnitLbl(unit));
    for (int16_t unit = 1; unit <= unitCount; ++unit)
        ui.ShowMessage("min/max: " + NumberText::ShortestText(minima[Index(unit)]) + "/" +
                       NumberText::ShortestText(maxima[Index(unit)]));
    for (int16_t from = 1; from <= unitCount; ++from)
        for (int16_t to = 1; to <= unitCount; ++to)
            ui.ShowMessage("cvt[" + std::to_string(from) + "," + std::to_string(to) +
                           "]: " + NumberText::ShortestText(matrix[MatrixIndex(from, to)]));
}
