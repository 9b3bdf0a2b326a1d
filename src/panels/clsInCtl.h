#pragma once

#include "base/clsUserInteraction.h"
#include "panels/clsInputStatus.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

class clsTorviInputs;
class clsTorviUnit;

// The state of one scenario input panel: its scenario number, its dirty flag and the map of
// which fields hold a valid value (one bit per field id 1..32, field 1 the high bit of byte 1).
// It raises the panel's two events to the scenario holder.
class clsInCtl {
public:
    static constexpr int FirstField = 1;
    static constexpr int LastField = 23;

    clsInCtl() { InitInCtl(); }

    // A stored value that a box shows rounded: until the box is edited, the exact value is what
    // is checked and stored, so that showing a scenario and storing it again never changes it.
    struct Shown {
        double display;
        double native;
    };

    // The rules of a numeric field's box (ids 2..5, 7..23), with the text as typed, trimmed, and
    // the descriptor of the field in its current display unit.
    // The box's value in the display unit: the exact value it shows, else its text as a number
    // (emptyValue when it holds none); rounded to the nearest, halves to even, for a field typed whole.
    static double BoxValue(int field, std::string_view text, const std::optional<Shown>& shown, double emptyValue);
    // What is wrong with the box: Empty, NotANumber, or OutOfRange of the descriptor's current
    // unit; Problem::None when nothing is.
    static clsInputStatus::Problem CheckBox(const clsTorviUnit& unit, std::string_view text,
                                            const std::optional<Shown>& shown);
    // Stores an accepted box into the record in the record's unit: an empty box as
    // clsTorviInputs::NoValue, never the 0 that nobody typed.
    static void StoreBox(clsTorviInputs& record, clsTorviUnit& unit, int field, std::string_view text,
                         const std::optional<Shown>& shown, double emptyValue);
    // A stored value in the descriptor's current display unit.
    static double DisplayOf(int field, clsTorviUnit& unit, double native);

    void InitInCtl();
    void FireVegTypeClick(int16_t scenario) const;
    void FireInpTxtLostFocus(int16_t scenario, int box) const;

    bool IsDirty() const { return dirty; }
    void SetIsDirty(bool value) { dirty = value; }

    void SetValidated(int field);
    void SetNotValidated(int field);
    bool Validated(int field) const;
    bool AllValidated() const;
    void InvalidateAll();
    void SetAllValidated();
    void ShowVMap(clsUserInteraction& ui) const;

    int16_t parentId = 0;
    // Events: the simulation type changed; a box with valid content lost the focus.
    std::function<void(int16_t scenario)> VegTypeClick;
    std::function<void(int16_t scenario, int box)> InpTxtLostFocus;

private:
    static std::size_t ByteOf(int field);
    static uint8_t MaskOf(int field);

    std::array<uint8_t, 4> vmap{};
    bool dirty = false;
};
