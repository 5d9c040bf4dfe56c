#include "skinview/TSkinViewForm.h"

#include "core/text/Utf8Text.h"
#include "framework/BuiltInResource.h"
#include "framework/TApplication.h"
#include "framework/TCommonDialog.h"
#include "skinview/PlainControlsDialog.h"
#include "skinview/TScrollingControlsPanel.h"

#include <filesystem>

namespace orvane::skinview {

using namespace framework;

namespace {

constexpr wchar_t Title[] = L"Orvane Skin Gallery";
constexpr wchar_t StoredSkinResource[] = L"SKINDATA";
constexpr wchar_t ToolImagesResource[] = L"TOOLIMAGES";
constexpr int ToolImageExtent = 24;
constexpr wchar_t PackageFilter[] = L"Skin packages (*.ssk)|*.ssk|All files (*.*)|*.*";

// Starts this program again on the MDI demonstration, with the same package.
void StartMdiDemonstration(const std::wstring& package)
{
    wchar_t program[MAX_PATH]{};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --mdi";
    if (!package.empty())
        commandLine += L" \"" + package + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

} // namespace

const TClassInfo TSkinViewForm::ClassInfo{L"TSkinViewForm", &TForm::ClassInfo, {}};

TSkinViewForm::TSkinViewForm(TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"SkinViewForm");
    SetCaption(Title);
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(640, 440);
    BuildMenu();
    BuildControls();
    Engine = Create<skin::TvelSkinEngine>(this);
    Engine->SetName(L"velSkinEngine1");
    Engine->SetActive(true);
    const auto stored = BuiltInResourceBytes(StoredSkinResource);
    Engine->SetSkinData(std::vector<std::uint8_t>(stored.begin(), stored.end()));
    EndLayout();
}

void TSkinViewForm::BuildMenu()
{
    MainMenu = Create<TMainMenu>(this);
    const auto item = [this](TMenuItem* parent, const std::wstring& caption, TNotifyEvent click = nullptr) {
        auto* made = Create<TMenuItem>(this);
        made->SetCaption(caption);
        made->OnClick = std::move(click);
        parent->Add(made);
        return made;
    };
    TMenuItem* skinMenu = item(&MainMenu->Items(), L"&Skin");
    item(skinMenu, L"&Open Skin Package...", [this](TObject*) { OpenPackageClick(); })
        ->SetShortCut(ShortCut('O', scCtrl));
    ActiveItem = item(skinMenu, L"&Active", [this](TObject*) { ActiveClick(); });
    ActiveItem->SetChecked(true);
    ScrollBarsItem = item(skinMenu, L"Draw &Scroll Bars", [this](TObject*) { ScrollBarsClick(); });
    ScrollBarsItem->SetChecked(true);
    item(skinMenu, L"-");
    item(skinMenu, L"E&xit", [this](TObject*) { Close(); });

    TMenuItem* windows = item(&MainMenu->Items(), L"&Windows");
    item(windows, L"&Message Box...", [](TObject*) {
        Application->ShowMessageBox(L"This box wears the skin: its frame, its text and its buttons.",
                                    MB_OKCANCEL | MB_ICONINFORMATION, Title);
    });
    item(windows, L"&Open File Dialog...", [this](TObject*) {
        auto* dialog = Create<TOpenDialog>(this);
        dialog->SetFilter(PackageFilter);
        dialog->Execute();
        delete dialog;
    });
    item(windows, L"Sa&ve File Dialog...", [this](TObject*) {
        auto* dialog = Create<TSaveDialog>(this);
        dialog->SetFilter(PackageFilter);
        dialog->SetFileName(L"gallery.ssk");
        dialog->Execute();
        delete dialog;
    });
    item(windows, L"&Plain Controls Dialog...", [this](TObject*) { ShowPlainControlsDialog(Handle()); });
    item(windows, L"-");
    item(windows, L"M&DI Demonstration", [this](TObject*) { StartMdiDemonstration(Engine->SkinFile()); });
    TMenuItem* disabled = item(windows, L"Disabled Item");
    disabled->SetEnabled(false);
    SetMenu(MainMenu);
}

void TSkinViewForm::BuildControls()
{
    Images = Create<TImageList>(this);
    Images->SetWidth(ToolImageExtent);
    Images->SetHeight(ToolImageExtent);
    Images->AddFromResource(ToolImagesResource);

    ToolBar = Create<TToolBar>(this);
    ToolBar->SetParent(this);
    ToolBar->SetAlign(TAlign::alTop);
    ToolBar->SetFlat(true);
    ToolBar->SetImages(Images);
    ToolBar->SetButtonWidth(40);
    ToolBar->SetButtonHeight(38);
    ToolBar->SetHeight(42);
    for (int index = 0; index < 5; ++index) {
        auto* button = Create<TToolButton>(this);
        button->SetImageIndex(index + 2);
        button->SetStyle(TToolButtonStyle::tbsCheck);
        button->SetGrouped(true);
        button->SetHint(L"Tool button " + std::to_wstring(index + 1));
        button->SetParent(ToolBar);
        if (index == 0)
            button->SetDown(true);
        if (index == 4)
            button->SetEnabled(false);
    }

    ControlsPanel = Create<TPanel>(this);
    ControlsPanel->SetParent(this);
    ControlsPanel->SetAlign(TAlign::alClient);

    Memo = Create<TMemo>(this);
    Memo->SetParent(ControlsPanel);
    Memo->SetBounds(8, 8, 300, 160);
    std::vector<std::wstring> lines;
    for (int line = 1; line <= 40; ++line)
        lines.push_back(L"Line " + std::to_wstring(line) + L" of a memo long enough to scroll.");
    Memo->SetLines(lines);

    PlainPanel = Create<TPanel>(this);
    PlainPanel->SetParent(ControlsPanel);
    PlainPanel->SetBounds(320, 8, 300, 160);
    PlainPanel->SetCaption(L"Tag 9999: the system's own look");
    PlainPanel->SetTag(skin::TvelSkinEngine::DefaultDisabledTag);
    TScrollingControlsPanel::CreateOn(*this, *ControlsPanel);
}

void TSkinViewForm::LoadPackage(const std::wstring& path)
{
    try {
        Engine->SetSkinFile(path);
    } catch (const std::exception& error) {
        Application->ShowMessageBox(L"The skin package \"" + path + L"\" could not be loaded:\n" +
                                        WideFromUtf8(error.what()),
                                    MB_OK | MB_ICONWARNING, Title);
    }
    ShowCaption();
}

void TSkinViewForm::OpenPackageClick()
{
    auto* dialog = Create<TOpenDialog>(this);
    dialog->SetFilter(PackageFilter);
    dialog->SetTitle(L"Open Skin Package");
    const bool chosen = dialog->Execute();
    const std::wstring path = dialog->FileName();
    delete dialog;
    if (chosen)
        LoadPackage(path);
}

void TSkinViewForm::ActiveClick()
{
    Engine->SetActive(!Engine->Active());
    ActiveItem->SetChecked(Engine->Active());
}

void TSkinViewForm::ScrollBarsClick()
{
    Engine->SetDrawScrollBar(!Engine->DrawScrollBar());
    ScrollBarsItem->SetChecked(Engine->DrawScrollBar());
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TSkinViewForm::ShowCaption()
{
    const std::wstring file = Engine->SkinFile();
    SetCaption(file.empty() ? std::wstring(Title)
                            : std::wstring(Title) + L" - " + std::filesystem::path(file).filename().wstring());
}

} // namespace orvane::skinview
