#pragma once

#include <cstdint>

// splitmix64: numbers that are the same on every machine, for tests over generated inputs.
class SplitMix {
public:
    explicit SplitMix(uint64_t seed) : state(seed) {}

    uint64_t Next()
    {
        uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // A whole number from low to high.
    int Int(int low, int high) { return low + static_cast<int>(Next() % static_cast<uint64_t>(high - low + 1)); }

private:
    uint64_t state;
};
