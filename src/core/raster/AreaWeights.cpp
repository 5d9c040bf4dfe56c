#include "core/raster/AreaWeights.h"

namespace orvane {

std::vector<std::vector<Contribution>> Contributions(int sourceLength, int destLength)
{
    std::vector<std::vector<Contribution>> result(static_cast<std::size_t>(destLength));
    for (int d = 0; d < destLength; ++d) {
        const std::int64_t from = std::int64_t(d) * sourceLength;
        const std::int64_t to = from + sourceLength;
        for (int s = int(from / destLength); s < sourceLength; ++s) {
            const std::int64_t sFrom = std::int64_t(s) * destLength;
            if (sFrom >= to)
                break;
            const std::int64_t sTo = sFrom + destLength;
            const std::int64_t overlap = (sTo < to ? sTo : to) - (sFrom > from ? sFrom : from);
            if (overlap > 0)
                result[std::size_t(d)].push_back({s, std::uint64_t(overlap)});
        }
    }
    return result;
}

} // namespace orvane
