#include "core/puzzle/PuzzlePosition.h"

#include "core/puzzle/Random.h"

#include <utility>

namespace orvane {

namespace {

// The kinds of one step, drawn as Random(7) + 1:
//   1..3  exchange two rows of band kind-1
//   4..6  exchange two columns of stack kind-4
//   7     exchange two digits throughout the grid
constexpr std::uint32_t StepKinds = 7;
constexpr int LastRowKind = 3;
constexpr int LastColumnKind = 6;
constexpr int BoxSize = 3;

void ExchangeRecords(TNode& a, TNode& b)
{
    std::swap(a.solution, b.solution);
    std::swap(a.given, b.given);
}

} // namespace

void PuzzlePosition::Shuffle(int steps)
{
    SeedRandom();
    for (int step = 0; step < steps; ++step) {
        const int kind = int(RandomBelow(StepKinds)) + 1;

        // Two different places 1..3 within a group of three; each of the six
        // ordered pairs comes up with probability 1/6. Drawn in every step.
        const int a = int(RandomBelow(3)) + 1;
        int b = int(RandomBelow(2)) + 1;
        if (a == 1)
            ++b;
        if (a == 2 && b == 2)
            b = 3;

        if (kind <= LastRowKind) {
            const int band = kind - 1;
            for (int x = 1; x <= BoardSize; ++x)
                ExchangeRecords(Node(x, BoxSize * band + a), Node(x, BoxSize * band + b));
        } else if (kind <= LastColumnKind) {
            const int stack = kind - 1 - LastRowKind;
            for (int y = 1; y <= BoardSize; ++y)
                ExchangeRecords(Node(BoxSize * stack + a, y), Node(BoxSize * stack + b, y));
        } else {
            const int d1 = int(RandomBelow(9)) + 1;
            int d2 = int(RandomBelow(9)) + 1;
            if (d2 == d1)
                d2 = d1 == 9 ? 1 : d1 + 1;
            for (int x = 1; x <= BoardSize; ++x)
                for (int y = 1; y <= BoardSize; ++y) {
                    TNode& record = Node(x, y);
                    if (record.solution == d1)
                        record.solution = d2;
                    else if (record.solution == d2)
                        record.solution = d1;
                }
        }
    }
}

} // namespace orvane
