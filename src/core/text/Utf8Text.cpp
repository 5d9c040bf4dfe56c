#include "core/text/Utf8Text.h"

#include <cstdint>

namespace orvane {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;
constexpr char32_t HighestCodePoint = 0x10FFFF;
constexpr char32_t FirstSurrogate = 0xD800;
constexpr char32_t LastSurrogate = 0xDFFF;
constexpr char32_t FirstSupplementary = 0x10000;
constexpr unsigned char FirstPrintable = 0x20;
constexpr unsigned char Delete = 0x7F;
constexpr unsigned char LastC1Control = 0x9F;

constexpr bool WideIsUtf16 = sizeof(wchar_t) == 2;

void AppendWide(std::wstring& out, char32_t codePoint)
{
    if (WideIsUtf16 && codePoint >= FirstSupplementary) {
        const char32_t offset = codePoint - FirstSupplementary;
        out += wchar_t(0xD800 + (offset >> 10));
        out += wchar_t(0xDC00 + (offset & 0x3FF));
        return;
    }
    out += wchar_t(codePoint);
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += char(0xE0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        out += char(0xF0 | (codePoint >> 18));
        out += char(0x80 | ((codePoint >> 12) & 0x3F));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    }
}

// The sequence length a lead byte announces and the bits it carries; 0 for a
// byte that cannot start a sequence.
int SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The code point of the well-formed sequence at `at` and its length; length
// 0 where no well-formed sequence starts (a stray byte, a cut-off, overlong
// or surrogate sequence, or one past U+10FFFF).
struct DecodedSequence {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

DecodedSequence DecodeAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = SequenceLength(lead);
    if (length == 0 || at + std::size_t(length) > text.size())
        return {};
    if (length == 1)
        return {lead, 1};
    static constexpr unsigned char LeadMasks[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t codePoint = lead & LeadMasks[length];
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + std::size_t(k)]);
        if ((next & 0xC0) != 0x80)
            return {};
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < Smallest[length] || codePoint > HighestCodePoint ||
        (codePoint >= FirstSurrogate && codePoint <= LastSurrogate))
        return {};
    return {codePoint, std::size_t(length)};
}

} // namespace

std::wstring WideFromUtf8(std::string_view text)
{
    std::wstring out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const DecodedSequence sequence = DecodeAt(text, i);
        if (sequence.length == 0) {
            AppendWide(out, ReplacementCharacter);
            ++i;
            continue;
        }
        AppendWide(out, sequence.codePoint);
        i += sequence.length;
    }
    return out;
}

std::size_t Utf8SequenceLength(std::string_view text, std::size_t at)
{
    return at < text.size() ? DecodeAt(text, at).length : 0;
}

bool IsWellFormedUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = DecodeAt(text, i).length;
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Utf8FromWide(std::wstring_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = char32_t(std::uint32_t(text[i]));
        if (WideIsUtf16 && codePoint >= 0xD800 && codePoint <= 0xDBFF && i + 1 < text.size()) {
            const char32_t low = char32_t(std::uint32_t(text[i + 1]));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                codePoint = FirstSupplementary + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if ((codePoint >= FirstSurrogate && codePoint <= LastSurrogate) || codePoint > HighestCodePoint)
            codePoint = ReplacementCharacter;
        AppendUtf8(out, codePoint);
    }
    return out;
}

std::wstring VisibleText(std::string_view bytes)
{
    std::wstring out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < FirstPrintable || (byte >= Delete && byte <= LastC1Control)) {
            out += L'#';
            for (const char digit : std::to_string(byte))
                out += wchar_t(digit);
            continue;
        }
        out += wchar_t(byte);
    }
    return out;
}

} // namespace orvane
