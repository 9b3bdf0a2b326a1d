#pragma once

#include "units/clsUnits.h"

#include <cstdint>
#include <string>
#include <vector>

// A drop-down list as a control's state holds it: the entries with their item data and the
// position shown (-1 for none). The widget shows exactly this.
class clsListState : public clsUnits::UnitList {
public:
    struct Entry {
        std::string text;
        int16_t itemData;
        bool operator==(const Entry&) const = default;
    };

    void Clear() override
    {
        entries.clear();
        index = -1;
    }
    void AddItem(const std::string& label, int16_t itemData) override { entries.push_back({label, itemData}); }

    bool Empty() const { return entries.empty(); }
    int Count() const { return static_cast<int>(entries.size()); }
    bool Holds(int position) const { return position >= 0 && position < Count(); }
    // The item data and text of the entry shown; 0 and "" when none is.
    int16_t ItemData() const { return Holds(index) ? entries[static_cast<std::size_t>(index)].itemData : 0; }
    std::string Text() const { return Holds(index) ? entries[static_cast<std::size_t>(index)].text : std::string(); }
    // The position of the entry with this item data, or -1.
    int PositionOf(int16_t itemData) const
    {
        for (int i = 0; i < Count(); ++i)
            if (entries[static_cast<std::size_t>(i)].itemData == itemData)
                return i;
        return -1;
    }

    std::vector<Entry> entries;
    int index = -1;
};
