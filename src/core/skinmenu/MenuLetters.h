#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace orvane {

// The access letter of a menu caption: the character after a single "&"
// ("&&" stands for an ampersand), upper-cased; 0 when the caption has none.
wchar_t AccessLetter(std::wstring_view caption);

// The letter that picks a menu item from the keyboard: its access letter,
// else the first character of its caption (leading spaces skipped),
// upper-cased; 0 for a caption without one.
wchar_t ItemLetter(std::wstring_view caption);

// An item of an open menu, as the letter search sees it.
struct MenuLetterItem {
    std::wstring_view caption;
    // Separators and disabled items are never picked.
    bool choosable = true;
};

enum class MenuLetterAction { None, Execute, Select };

struct MenuLetterAnswer {
    MenuLetterAction action = MenuLetterAction::None;
    int index = -1;
    bool operator==(const MenuLetterAnswer&) const = default;
};

// What a letter typed in an open menu does, as the system's own menus
// answer it: the only item with that letter is chosen; of several, the
// first after the highlighted item (-1: none), going round, is highlighted
// and nothing runs, so that typing the letter again steps through them.
MenuLetterAnswer AnswerMenuLetter(std::span<const MenuLetterItem> items, wchar_t letter, int highlighted);

// How many presses of the down arrow take a menu's highlight from one item
// to another. The arrow skips separators and goes round from the last item
// to the first; from no highlight (-1) it lands on the first item that is
// not a separator. -1 when the target is a separator or no item.
int DownPressesBetween(const std::vector<bool>& separators, int from, int to);

} // namespace orvane
