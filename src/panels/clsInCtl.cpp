#include "panels/clsInCtl.h"

#include "base/NumberText.h"
#include "engine/clsTorviInputs.h"
#include "engine/ScenarioInputFields.h"
#include "units/clsTorviUnit.h"

#include <stdexcept>
#include <string>

void clsInCtl::InitInCtl()
{
    InvalidateAll();
    dirty = false;
}

void clsInCtl::FireVegTypeClick(int16_t scenario) const
{
    if (VegTypeClick)
        VegTypeClick(scenario);
}

void clsInCtl::FireInpTxtLostFocus(int16_t scenario, int box) const
{
    if (InpTxtLostFocus)
        InpTxtLostFocus(scenario, box);
}

std::size_t clsInCtl::ByteOf(int field)
{
    if (field < 1 || field > 32)
        throw std::out_of_range("clsInCtl: field " + std::to_string(field) + " outside 1..32");
    return static_cast<std::size_t>((field - 1) / 8);
}

uint8_t clsInCtl::MaskOf(int field)
{
    return static_cast<uint8_t>(1u << (7 - (field - 1) % 8));
}

void clsInCtl::SetValidated(int field)
{
    vmap[ByteOf(field)] |= MaskOf(field);
}

void clsInCtl::SetNotValidated(int field)
{
    vmap[ByteOf(field)] &= static_cast<uint8_t>(~MaskOf(field));
}

bool clsInCtl::Validated(int field) const
{
    return (vmap[ByteOf(field)] & MaskOf(field)) != 0;
}

bool clsInCtl::AllValidated() const
{
    for (int field = FirstField; field <= LastField; ++field)
        if (!Validated(field))
            return false;
    return true;
}

void clsInCtl::InvalidateAll()
{
    vmap.fill(0);
}

void clsInCtl::SetAllValidated()
{
    for (int field = FirstField; field <= LastField; ++field)
        SetValidated(field);
}

void clsInCtl::ShowVMap(clsUserInteraction& ui) const
{
    std::string text = "VMap: [";
    for (uint8_t byte : vmap)
        text += std::to_string(byte) + " ";
    ui.ShowMessage(text + "]");
}

double clsInCtl::BoxValue(int field, std::string_view text, const std::optional<Shown>& shown, double emptyValue)
{
    double value = emptyValue;
    if (shown)
        value = shown->display;
    else if (!NumberText::ParseDouble(text, value))
        value = emptyValue;
    return ScenarioInputFields::At(field).typedWhole ? NumberText::RoundHalfEven(value) : value;
}

clsInputStatus::Problem clsInCtl::CheckBox(const clsTorviUnit& unit, std::string_view text,
                                           const std::optional<Shown>& shown)
{
    using Problem = clsInputStatus::Problem;
    double value = 0;
    if (text.empty())
        return Problem::Empty;
    if (!NumberText::ParseDouble(text, value))
        return Problem::NotANumber;
    if (shown)
        value = shown->display;
    return unit.GetMinDataVal() <= value && value <= unit.GetMaxDataVal() ? Problem::None : Problem::OutOfRange;
}

void clsInCtl::StoreBox(clsTorviInputs& record, clsTorviUnit& unit, int field, std::string_view text,
                        const std::optional<Shown>& shown, double emptyValue)
{
    const bool empty = !shown && text.empty();
    const double value = empty  ? clsTorviInputs::NoValue
                         : shown ? shown->native
                                 : ScenarioInputFields::ToRecord(field, unit, unit.GetCurrUnit(),
                                                                 BoxValue(field, text, shown, emptyValue));
    ScenarioInputFields::StoreTypedValue(record, field, value);
}

double clsInCtl::DisplayOf(int field, clsTorviUnit& unit, double native)
{
    return ScenarioInputFields::FromRecord(field, unit, unit.GetCurrUnit(), native);
}
