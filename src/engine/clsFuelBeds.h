#pragma once

#include "engine/clsFuelBed.h"

#include <cstddef>
#include <memory>
#include <vector>

// The fuel beds an engine has laid, kept for the calculations that follow. A fixed number of
// places, each bed in the place its origin hashes to, where it replaces the bed before it: the
// memory stays bounded however many fuel models, multipliers and cured fractions a batch goes
// through, and a lookup is one hash and one comparison.
class clsFuelBeds {
public:
    // The kept bed laid from this origin, or none.
    clsFuelBed* Find(const clsFuelBed::Origin& origin);
    // Keeps the bed (replacing the one in its place) and returns the kept bed.
    clsFuelBed& Keep(clsFuelBed bed);

private:
    // 1024 places: room for the beds of a table, a chart, or a batch of the standard models over
    // the cured fractions of their herbaceous moistures (a dynamic model has a bed for each). A bed
    // is allocated when its place is first taken, so that an engine holds 8 KB and the beds it has
    // laid (some 650 bytes each, 650 KB at the most).
    static constexpr std::size_t PlaceBits = 10;
    static std::size_t PlaceOf(const clsFuelBed::Origin& origin);

    std::vector<std::unique_ptr<clsFuelBed>> places;  // allocated with the first bed
};
