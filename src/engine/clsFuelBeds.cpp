#include "engine/clsFuelBeds.h"

#include <bit>
#include <cstdint>
#include <cstring>

std::size_t clsFuelBeds::PlaceOf(const clsFuelBed::Origin& origin)
{
    uint64_t words[sizeof(origin) / sizeof(uint64_t)];
    std::memcpy(words, &origin, sizeof(origin));
    uint64_t hash = 0;
    for (const uint64_t word : words)
        hash = std::rotl(hash ^ word, 29) * 0x9e3779b97f4a7c15ull;
    return static_cast<std::size_t>(hash >> (64 - PlaceBits));
}

clsFuelBed* clsFuelBeds::Find(const clsFuelBed::Origin& origin)
{
    if (places.empty())
        return nullptr;
    const std::unique_ptr<clsFuelBed>& place = places[PlaceOf(origin)];
    return place && place->origin == origin ? place.get() : nullptr;
}

clsFuelBed& clsFuelBeds::Keep(clsFuelBed bed)
{
    if (places.empty())
        places.resize(std::size_t(1) << PlaceBits);
    std::unique_ptr<clsFuelBed>& place = places[PlaceOf(bed.origin)];
    if (place)
        *place = std::move(bed);
    else
        place = std::make_unique<clsFuelBed>(std::move(bed));
    return *place;
}
