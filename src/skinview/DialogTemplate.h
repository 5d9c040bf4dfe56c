#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvane::skinview {

// An in-memory dialog template (DLGTEMPLATE followed by its items), for a
// dialog the system makes and runs itself, as the system's own dialogs are.
class TDialogTemplate {
public:
    // Dialog units; the font is "MS Shell Dlg" at 8 points.
    TDialogTemplate(const std::wstring& caption, short width, short height);

    // A child of a predefined class given by name ("BUTTON", "EDIT",
    // "COMBOBOX", "SysTabControl32", ...).
    void Add(const std::wstring& className, const std::wstring& text, DWORD style, short x, short y, short width,
             short height, WORD id);

    const DLGTEMPLATE* Get();

private:
    void Word(WORD value);
    void Text(const std::wstring& text);
    void AlignToDword();

    std::vector<WORD> words;
    WORD itemCount = 0;
};

} // namespace orvane::skinview
