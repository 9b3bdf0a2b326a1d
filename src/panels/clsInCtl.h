#pragma once

#include "app/clsUserInteraction.h"

#include <array>
#include <cstdint>
#include <functional>

// The state of one scenario input panel: its scenario number, its dirty flag and the map of
// which fields hold a valid value (one bit per field id 1..32, field 1 the high bit of byte 1).
// It raises the panel's two events to the scenario holder.
class clsInCtl {
public:
    static constexpr int FirstField = 1;
    static constexpr int LastField = 23;

    clsInCtl() { InitInCtl(); }

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
