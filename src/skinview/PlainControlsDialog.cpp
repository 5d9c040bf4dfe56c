#include "skinview/PlainControlsDialog.h"

#include "framework/GuardedCallback.h"
#include "skinview/DialogTemplate.h"

#include <commctrl.h>

namespace orvane::skinview {

namespace {

enum ControlId : WORD {
    CheckBoxId = 100,
    GreyedCheckBoxId,
    FirstRadioId,
    SecondRadioId,
    ComboId,
    EditId,
    ListId,
    TabsId,
};

INT_PTR HandleDialogMessage(HWND dialog, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_INITDIALOG: {
        CheckDlgButton(dialog, CheckBoxId, BST_CHECKED);
        CheckDlgButton(dialog, GreyedCheckBoxId, BST_INDETERMINATE);
        CheckRadioButton(dialog, FirstRadioId, SecondRadioId, FirstRadioId);
        for (const wchar_t* entry : {L"Easy", L"Normal", L"Hard", L"Expert", L"Extreme"}) {
            SendDlgItemMessageW(dialog, ComboId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
            SendDlgItemMessageW(dialog, ListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        for (int line = 1; line <= 12; ++line) {
            const std::wstring entry = L"Saved game " + std::to_wstring(line);
            SendDlgItemMessageW(dialog, ListId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        }
        SendDlgItemMessageW(dialog, ComboId, CB_SETCURSEL, 1, 0);
        SetDlgItemTextW(dialog, EditId, L"A line of text");
        const wchar_t* const tabs[] = {L"General", L"Colours", L"Fonts"};
        for (int index = 0; index < 3; ++index) {
            TCITEMW tab{};
            tab.mask = TCIF_TEXT;
            tab.pszText = const_cast<wchar_t*>(tabs[index]);
            SendDlgItemMessageW(dialog, TabsId, TCM_INSERTITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&tab));
        }
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    return framework::GuardedCallback(INT_PTR(FALSE), [&] { return HandleDialogMessage(dialog, message, wParam); });
}

} // namespace

void ShowPlainControlsDialog(HWND owner)
{
    TDialogTemplate dialog(L"Plain Controls", 260, 190);
    dialog.Add(L"BUTTON", L"Options", BS_GROUPBOX, 7, 7, 120, 82, 0xFFFF);
    dialog.Add(L"BUTTON", L"&Check box", BS_AUTOCHECKBOX | WS_TABSTOP, 14, 20, 100, 10, CheckBoxId);
    dialog.Add(L"BUTTON", L"&Greyed check box", BS_AUTO3STATE | WS_TABSTOP, 14, 34, 100, 10, GreyedCheckBoxId);
    dialog.Add(L"BUTTON", L"&First choice", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 14, 50, 100, 10, FirstRadioId);
    dialog.Add(L"BUTTON", L"&Second choice", BS_AUTORADIOBUTTON, 14, 64, 100, 10, SecondRadioId);
    dialog.Add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 134, 7, 118, 80, ComboId);
    dialog.Add(L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 134, 26, 118, 14, EditId);
    dialog.Add(L"LISTBOX", L"", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 134, 46, 118, 60, ListId);
    dialog.Add(WC_TABCONTROLW, L"", WS_TABSTOP, 7, 96, 120, 60, TabsId);
    dialog.Add(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 146, 168, 50, 14, IDOK);
    dialog.Add(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 202, 168, 50, 14, IDCANCEL);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, PlainDialogProc, 0);
}

} // namespace orvane::skinview
