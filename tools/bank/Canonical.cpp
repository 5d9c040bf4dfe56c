#include "Canonical.h"

#include <algorithm>
#include <array>

namespace orvane::bank {

namespace {

constexpr int Orders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

using Row = std::array<std::uint8_t, GridSide>;

} // namespace

Grid CanonicalGrid(const Grid& grid)
{
    Grid best{};
    best.fill(DigitCount + 1);
    for (int transposed = 0; transposed < 2; ++transposed) {
        std::array<Row, GridSide> rows;
        for (int r = 0; r < GridSide; ++r)
            for (int c = 0; c < GridSide; ++c)
                rows[r][c] = transposed ? grid[c * GridSide + r] : grid[r * GridSide + c];
        for (int first = 0; first < GridSide; ++first) {
            const int band = first / BoxSide;
            std::array<int, 2> others{};
            for (int r = band * BoxSide, i = 0; r < band * BoxSide + BoxSide; ++r)
                if (r != first)
                    others[i++] = r;
            for (int swapRows = 0; swapRows < 2; ++swapRows) {
                const std::array<int, 3> bandRows = {first, others[swapRows], others[1 - swapRows]};
                for (const auto& stackOrder : Orders)
                    for (const auto& o0 : Orders)
                        for (const auto& o1 : Orders)
                            for (const auto& o2 : Orders) {
                                const int* inStack[3] = {o0, o1, o2};
                                std::array<int, GridSide> columns;
                                for (int s = 0; s < 3; ++s)
                                    for (int k = 0; k < 3; ++k)
                                        columns[3 * s + k] = 3 * stackOrder[s] + inStack[s][k];
                                // Relabel so that the first row reads 1..9.
                                std::array<std::uint8_t, DigitCount + 1> label{};
                                for (int c = 0; c < GridSide; ++c)
                                    label[rows[first][columns[c]]] = static_cast<std::uint8_t>(c + 1);
                                // The first band decides most comparisons.
                                int order = 0;
                                for (int i = 1; i < 3 && order == 0; ++i)
                                    for (int c = 0; c < GridSide && order == 0; ++c) {
                                        const int value = label[rows[bandRows[i]][columns[c]]];
                                        const int held = best[i * GridSide + c];
                                        order = value < held ? -1 : value > held ? 1 : 0;
                                    }
                                if (order > 0)
                                    continue;
                                // The other bands: rows sorted in each, bands by their first row.
                                std::array<std::array<Row, 3>, 2> rest;
                                for (int b = 0, bi = 0; b < 3; ++b) {
                                    if (b == band)
                                        continue;
                                    for (int i = 0; i < 3; ++i)
                                        for (int c = 0; c < GridSide; ++c)
                                            rest[bi][i][c] = label[rows[3 * b + i][columns[c]]];
                                    std::sort(rest[bi].begin(), rest[bi].end());
                                    ++bi;
                                }
                                if (rest[1][0] < rest[0][0])
                                    std::swap(rest[0], rest[1]);
                                Grid image;
                                for (int i = 0; i < 3; ++i)
                                    for (int c = 0; c < GridSide; ++c)
                                        image[i * GridSide + c] = label[rows[bandRows[i]][columns[c]]];
                                for (int bi = 0; bi < 2; ++bi)
                                    for (int i = 0; i < 3; ++i)
                                        for (int c = 0; c < GridSide; ++c)
                                            image[(3 + 3 * bi + i) * GridSide + c] = rest[bi][i][c];
                                if (image < best)
                                    best = image;
                            }
            }
        }
    }
    return best;
}

} // namespace orvane::bank
