#include "core/skinmenu/MenuLetters.h"

#include <cwctype>

namespace orvane {

namespace {

wchar_t Upper(wchar_t letter) { return wchar_t(std::towupper(std::wint_t(letter))); }

} // namespace

wchar_t AccessLetter(std::wstring_view caption)
{
    for (std::size_t index = 0; index + 1 < caption.size(); ++index) {
        if (caption[index] != L'&')
            continue;
        if (caption[index + 1] != L'&')
            return Upper(caption[index + 1]);
        ++index;
    }
    return 0;
}

wchar_t ItemLetter(std::wstring_view caption)
{
    if (const wchar_t access = AccessLetter(caption))
        return access;
    const std::size_t first = caption.find_first_not_of(L' ');
    return first == std::wstring_view::npos ? 0 : Upper(caption[first]);
}

MenuLetterAnswer AnswerMenuLetter(std::span<const MenuLetterItem> items, wchar_t letter, int highlighted)
{
    const int count = int(items.size());
    const wchar_t wanted = Upper(letter);
    if (wanted == 0 || count == 0)
        return {};
    const auto matches = [&](int index) {
        return items[std::size_t(index)].choosable && ItemLetter(items[std::size_t(index)].caption) == wanted;
    };
    int matchCount = 0;
    int only = -1;
    for (int index = 0; index < count; ++index)
        if (matches(index)) {
            ++matchCount;
            only = index;
        }
    if (matchCount == 0)
        return {};
    if (matchCount == 1)
        return {MenuLetterAction::Execute, only};
    const int start = highlighted >= 0 && highlighted < count ? highlighted + 1 : 0;
    for (int offset = 0; offset < count; ++offset) {
        const int index = (start + offset) % count;
        if (matches(index))
            return {MenuLetterAction::Select, index};
    }
    return {};
}

int DownPressesBetween(const std::vector<bool>& separators, int from, int to)
{
    const int count = int(separators.size());
    if (to < 0 || to >= count || separators[std::size_t(to)])
        return -1;
    const auto next = [&](int at) {
        for (int index = at + 1; index < count; ++index)
            if (!separators[std::size_t(index)])
                return index;
        for (int index = 0; index < count; ++index)
            if (!separators[std::size_t(index)])
                return index;
        return -1;
    };
    int at = from >= 0 && from < count ? from : -1;
    for (int presses = 0; presses <= count; ++presses) {
        if (at == to)
            return presses;
        at = next(at);
    }
    return -1;
}

} // namespace orvane
