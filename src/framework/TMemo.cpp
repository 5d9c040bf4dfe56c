#include "framework/TMemo.h"

#include "framework/PublishedProperties.h"

namespace orvane::framework {

namespace {

constexpr int DefaultMemoWidth = 185;
constexpr int DefaultMemoHeight = 89;
constexpr wchar_t LineBreak[] = L"\r\n";

constexpr TPropertyInfo EditProperties[] = {
    PublishedValue<TCustomEdit, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle>(
        L"BorderStyle", TPropertyKind::Enumeration),
};

constexpr TPropertyInfo MemoProperties[] = {
    PublishedValue<TMemo, &TMemo::WordWrap, &TMemo::SetWordWrap>(L"WordWrap", TPropertyKind::Boolean),
};

} // namespace

const TClassInfo TCustomEdit::ClassInfo{L"TCustomEdit", &TWinControl::ClassInfo, EditProperties};
const TClassInfo TMemo::ClassInfo{L"TMemo", &TCustomEdit::ClassInfo, MemoProperties};

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClass = L"EDIT";
    params.Style |= WS_TABSTOP;
    params.Style &= ~DWORD(WS_CLIPCHILDREN);
    if (borderStyle == TBorderStyle::bsSingle)
        params.ExStyle |= WS_EX_CLIENTEDGE;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, DefaultMemoWidth, DefaultMemoHeight); }

void TMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap)
        params.Style |= ES_AUTOHSCROLL;
    if (scrollBars == TScrollStyle::ssVertical || scrollBars == TScrollStyle::ssBoth)
        params.Style |= WS_VSCROLL;
    if (scrollBars == TScrollStyle::ssHorizontal || scrollBars == TScrollStyle::ssBoth)
        params.Style |= WS_HSCROLL;
}

std::vector<std::wstring> SplitTextLines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == L'\r' && start < text.size() && text[start] == L'\n')
            ++start;
    }
    return lines;
}

std::vector<std::wstring> TMemo::Lines() const { return SplitTextLines(Text()); }

void TMemo::SetLines(const std::vector<std::wstring>& lines)
{
    std::wstring text;
    for (const std::wstring& line : lines) {
        text += line;
        text += LineBreak;
    }
    SetText(text);
}

} // namespace orvane::framework
