#pragma once

#include <cstdint>
#include <vector>

namespace orvane {

// One source pixel's weight in one destination pixel, along one axis, when
// an image is resized by area averaging.
struct Contribution {
    int source;
    std::uint64_t weight;
};

// For each destination pixel along an axis of `sourceLength` pixels resized
// to `destLength`, the source pixels it covers and by how much. Measured in
// units of 1/destLength of a source pixel, destination pixel d covers
// [d * sourceLength, (d + 1) * sourceLength) and source pixel s covers
// [s * destLength, (s + 1) * destLength); the weight is their overlap, so the
// weights of one destination pixel add up to sourceLength.
std::vector<std::vector<Contribution>> Contributions(int sourceLength, int destLength);

} // namespace orvane
