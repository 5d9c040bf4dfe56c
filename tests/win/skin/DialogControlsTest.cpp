#include "SkinFixture.h"

#include "ControlsFixture.h"
#include "core/skinmodel/SkinKeys.h"
#include "skin/SkinMessages.h"

#include <commctrl.h>

#include <thread>

namespace orvane::skin::test {

using namespace framework;

namespace {

constexpr int CheckBoxId = 101;
constexpr int GroupBoxId = 102;
constexpr int TabsId = 103;

enum class TDialogContents { CheckBoxInGroup, Tabs };

// A dialog template in memory: a group box, an automatic check box inside
// it, and an OK button; or a tab window and an OK button.
class TDialogTemplate {
public:
    explicit TDialogTemplate(TDialogContents contents = TDialogContents::CheckBoxInGroup)
    {
        const DWORD style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        if (contents == TDialogContents::Tabs) {
            Header(style, 2, 0, 0, 180, 90, L"Options");
            Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 7, 166, 46, TabsId, L"", L"SysTabControl32");
            Item(BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 65, 60, 50, 16, IDOK, L"OK");
            return;
        }
        Header(style, 3, 0, 0, 180, 90, L"Options");
        Item(BS_GROUPBOX | WS_CHILD | WS_VISIBLE, 7, 7, 166, 40, GroupBoxId, L"Group");
        Item(BS_AUTOCHECKBOX | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 14, 22, 120, 12, CheckBoxId, L"Check me");
        Item(BS_DEFPUSHBUTTON | WS_CHILD | WS_VISIBLE | WS_TABSTOP, 65, 60, 50, 16, IDOK, L"OK");
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words.data()); }

private:
    void Dword(DWORD value)
    {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    }
    void Text(const wchar_t* text)
    {
        for (; *text; ++text)
            words.push_back(WORD(*text));
        words.push_back(0);
    }
    void Header(DWORD style, WORD count, short x, short y, short cx, short cy, const wchar_t* title)
    {
        Dword(style);
        Dword(0);
        words.insert(words.end(), {count, WORD(x), WORD(y), WORD(cx), WORD(cy), 0, 0});
        Text(title);
        words.push_back(8);
        Text(L"MS Shell Dlg");
    }
    // A button, or a window of the named class.
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text,
              const wchar_t* className = nullptr)
    {
        if (words.size() % 2)
            words.push_back(0); // items start on a DWORD boundary
        Dword(style);
        Dword(0);
        words.insert(words.end(), {WORD(x), WORD(y), WORD(cx), WORD(cy), id});
        if (className)
            Text(className);
        else
            words.insert(words.end(), {0xFFFF, 0x0080});
        Text(text);
        words.push_back(0);
    }
    std::vector<WORD> words;
};

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        if (HWND tabs = GetDlgItem(dialog, TabsId)) {
            const wchar_t* const captions[] = {L"General", L"Colours", L"Fonts"};
            for (int index = 0; index < 3; ++index) {
                TCITEMW tab{};
                tab.mask = TCIF_TEXT;
                tab.pszText = const_cast<wchar_t*>(captions[index]);
                SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&tab));
            }
        }
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A point of the frame where the checked and the unchecked frames differ.
bool PointWhereFramesDiffer(const Bitmap& checked, const Bitmap& unchecked, Color transparent, POINT& found)
{
    for (int y = checked.Height() / 2; y < checked.Height(); ++y)
        for (int x = checked.Width() / 2; x < checked.Width(); ++x)
            if (checked.ColorAt(x, y) != unchecked.ColorAt(x, y) && checked.ColorAt(x, y) != transparent &&
                unchecked.ColorAt(x, y) != transparent) {
                found = POINT{x, y};
                return true;
            }
    return false;
}

} // namespace

TEST_F(Skin, ADialogsCheckBoxAndButtonAreSkinnedAndItsGroupBoxIsNot)
{
    TvelSkinEngine& engine = *form->Engine;
    Bitmap checkedFrame, uncheckedFrame;
    ASSERT_TRUE(engine.Look().GetSkinBitmap(SKIN2_CHECKBOX, checkedFrame, 6, 1));
    ASSERT_TRUE(engine.Look().GetSkinBitmap(SKIN2_CHECKBOX, uncheckedFrame, 6, 3));
    POINT probe{};
    ASSERT_TRUE(PointWhereFramesDiffer(checkedFrame, uncheckedFrame, engine.Look().GetSkinColor(SKIN2_TRANSCOLOR), probe));

    LRESULT checkSkinned = -1, groupSkinned = -1, buttonSkinned = -1;
    COLORREF uncheckedPixel = 0, checkedPixel = 0;
    std::thread hand([&] {
        HWND dialog = WaitForWindow(L"#32770");
        if (!dialog)
            return;
        HWND check = GetDlgItem(dialog, CheckBoxId);
        // The dialog's thread paints it; the probe is read once it shows each frame.
        const auto probeShows = [&](const Bitmap& frame) {
            return [&](const TClientPixels& pixels) {
                return pixels.At(probe.x, probe.y) == frame.ColorAt(probe.x, probe.y);
            };
        };
        uncheckedPixel = PixelsOnceShown(check, probeShows(uncheckedFrame)).At(probe.x, probe.y);
        checkSkinned = SendMessageW(check, SKM_ISSKINNED, 0, 0);
        groupSkinned = SendMessageW(GetDlgItem(dialog, GroupBoxId), SKM_ISSKINNED, 0, 0);
        buttonSkinned = SendMessageW(GetDlgItem(dialog, IDOK), SKM_ISSKINNED, 0, 0);
        SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
        checkedPixel = PixelsOnceShown(check, probeShows(checkedFrame)).At(probe.x, probe.y);

        RECT ok{};
        GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
        ClickAtScreen(POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
        if (!orvane::test::WaitForWindowGone(L"#32770"))
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); // never hang the test
    });
    const TDialogTemplate dialogTemplate;
    const INT_PTR answer =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), Window(), DialogProcedure, 0);
    hand.join();
    EXPECT_EQ(checkSkinned, 1);
    EXPECT_EQ(groupSkinned, 0);
    EXPECT_EQ(buttonSkinned, 1);
    EXPECT_EQ(uncheckedPixel, uncheckedFrame.ColorAt(probe.x, probe.y));
    EXPECT_EQ(checkedPixel, checkedFrame.ColorAt(probe.x, probe.y));
    EXPECT_EQ(answer, IDOK) << "the skinned OK button clicks";
}

// A system tab window of a dialog is skinned: its selected tab shows the
// skin's first tab frame, the others the second.
TEST_F(Skin, ADialogsTabWindowShowsTheSkinsTabFrames)
{
    const TTabFrameColours colours(*form->Engine);
    ASSERT_FALSE(colours.activeOnly.empty());
    ASSERT_FALSE(colours.inactiveOnly.empty());
    LRESULT skinned = -1;
    int selectedActive = -1, selectedInactive = -1, otherActive = -1, otherInactive = -1, selectedArea = 0;
    std::thread hand([&] {
        HWND dialog = WaitForWindow(L"#32770");
        if (!dialog)
            return;
        HWND tabs = GetDlgItem(dialog, TabsId);
        RECT first{}, second{};
        SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        SendMessageW(tabs, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
        // Read once the dialog's thread has painted the tabs' frames, each
        // tab in its own frame alone.
        const TClientPixels pixels = PixelsOnceShown(tabs, [&](const TClientPixels& shown) {
            return shown.Count(colours.activeOnly, first) > 0 && shown.Count(colours.inactiveOnly, second) > 0 &&
                   shown.Count(colours.inactiveOnly, first) == 0 && shown.Count(colours.activeOnly, second) == 0;
        });
        skinned = SendMessageW(tabs, SKM_ISSKINNED, 0, 0);
        selectedArea = (first.right - first.left) * (first.bottom - first.top);
        selectedActive = pixels.Count(colours.activeOnly, first);
        selectedInactive = pixels.Count(colours.inactiveOnly, first);
        otherActive = pixels.Count(colours.activeOnly, second);
        otherInactive = pixels.Count(colours.inactiveOnly, second);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    const TDialogTemplate dialogTemplate(TDialogContents::Tabs);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), Window(), DialogProcedure, 0);
    hand.join();
    EXPECT_EQ(skinned, 1);
    EXPECT_GT(selectedActive, selectedArea / 3);
    EXPECT_EQ(selectedInactive, 0);
    EXPECT_EQ(otherActive, 0);
    EXPECT_GT(otherInactive, 0);
}

} // namespace orvane::skin::test
