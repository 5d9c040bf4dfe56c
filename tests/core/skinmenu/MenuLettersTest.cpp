#include "core/skinmenu/MenuLetters.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

TEST(MenuLetters, AnItemAnswersToItsAccessLetterElseToItsFirstLetter)
{
    struct Case {
        const wchar_t* caption;
        wchar_t access, item;
    };
    const Case cases[] = {
        {L"&Open", L'O', L'O'},
        {L"Select &all", L'A', L'A'},
        {L"save", 0, L'S'},
        {L"  Show Solution", 0, L'S'},
        {L"Fish && Chips", 0, L'F'},
        {L"Fish && &Chips", L'C', L'C'},
        {L"Trailing&", 0, L'T'},
        {L"", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AccessLetter(c.caption), c.access) << testing::PrintToString(std::wstring(c.caption));
        EXPECT_EQ(ItemLetter(c.caption), c.item) << testing::PrintToString(std::wstring(c.caption));
    }
}

TEST(MenuLetters, ALetterRunsItsOnlyItemAndStepsThroughSeveral)
{
    // &Undo, Copy, Cut, Paste, a line, Print (disabled), Select &all.
    const std::vector<MenuLetterItem> items{
        {L"&Undo"}, {L"Copy"}, {L"Cut"}, {L"Paste"}, {L"-", false}, {L"Print", false}, {L"Select &all"},
    };
    using enum MenuLetterAction;
    struct Case {
        const char* what;
        wchar_t letter;
        int highlighted;
        MenuLetterAnswer expected;
    };
    const Case cases[] = {
        {"access letter", L'u', 2, {Execute, 0}},
        {"first letter without an access letter", L'p', -1, {Execute, 3}},
        {"disabled items do not count", L'P', 0, {Execute, 3}},
        {"an access letter hides the first letter", L's', 0, {}},
        {"access letter inside the caption", L'A', 0, {Execute, 6}},
        {"several: the first after the highlight", L'c', 0, {Select, 1}},
        {"several: the next one", L'C', 1, {Select, 2}},
        {"several: round to the first", L'c', 2, {Select, 1}},
        {"several, nothing highlighted", L'c', -1, {Select, 1}},
        {"several, highlight below them", L'c', 6, {Select, 1}},
        {"no item", L'z', 0, {}},
        {"a separator's dash", L'-', 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AnswerMenuLetter(items, c.letter, c.highlighted), c.expected) << c.what;
    EXPECT_EQ(AnswerMenuLetter({}, L'a', -1), MenuLetterAnswer{});
}

TEST(MenuLetters, DownPressesSkipSeparatorsAndGoRound)
{
    // Item, item, line, item, line.
    const std::vector<bool> separators{false, false, true, false, true};
    struct Case {
        int from, to, presses;
    };
    const Case cases[] = {
        {0, 0, 0}, {0, 1, 1}, {1, 3, 1}, {3, 0, 1}, {3, 1, 2}, {-1, 0, 1}, {-1, 3, 3}, {0, 2, -1}, {0, 7, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DownPressesBetween(separators, c.from, c.to), c.presses) << c.from << " to " << c.to;
}

} // namespace
} // namespace orvane
