#include "skinview/TMdiDemoForm.h"

#include "core/text/Utf8Text.h"
#include "framework/BuiltInResource.h"
#include "framework/TApplication.h"
#include "framework/TMemo.h"

namespace orvane::skinview {

using namespace framework;

namespace {

constexpr wchar_t Title[] = L"Orvane Skin Gallery - MDI";
constexpr int FrameGroup = 0;
constexpr int ChildGroup = 1;
constexpr int WindowGroup = 9;

TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const std::wstring& caption, int group,
                   TNotifyEvent click = nullptr)
{
    auto* made = Create<TMenuItem>(owner);
    made->SetCaption(caption);
    made->SetGroupIndex(group);
    made->OnClick = std::move(click);
    parent->Add(made);
    return made;
}

} // namespace

const TClassInfo TMdiDemoForm::ClassInfo{L"TMdiDemoForm", &TForm::ClassInfo, {}};

TMdiDemoForm::TMdiDemoForm(TComponent* owner) : TForm(owner)
{
    BeginLayout();
    SetName(L"MdiDemoForm");
    SetCaption(Title);
    SetFormStyle(TFormStyle::fsMDIForm);
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(640, 440);

    auto* frameMenu = Create<TMainMenu>(this);
    TMenuItem* file = AddItem(this, &frameMenu->Items(), L"&File", FrameGroup);
    AddItem(this, file, L"&New Child", FrameGroup, [this](TObject*) { NewChild(); })->SetShortCut(ShortCut('N', scCtrl));
    AddItem(this, file, L"-", FrameGroup);
    AddItem(this, file, L"E&xit", FrameGroup, [this](TObject*) { Close(); });
    TMenuItem* window = AddItem(this, &frameMenu->Items(), L"&Window", WindowGroup);
    AddItem(this, window, L"&Cascade", WindowGroup, [this](TObject*) { Cascade(); });
    AddItem(this, window, L"&Tile", WindowGroup, [this](TObject*) { Tile(); });
    SetMenu(frameMenu);
    SetWindowMenu(window);

    Engine = Create<skin::TvelSkinEngine>(this);
    Engine->SetName(L"velSkinEngine1");
    Engine->SetActive(true);
    const auto stored = BuiltInResourceBytes(L"SKINDATA");
    Engine->SetSkinData(std::vector<std::uint8_t>(stored.begin(), stored.end()));
    EndLayout();
}

void TMdiDemoForm::LoadPackage(const std::wstring& path)
{
    try {
        Engine->SetSkinFile(path);
    } catch (const std::exception& error) {
        Application->ShowMessageBox(WideFromUtf8(error.what()), MB_OK | MB_ICONWARNING, Title);
    }
}

TForm* TMdiDemoForm::NewChild()
{
    auto* child = Create<TForm>(this);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    child->SetBorderStyle(TFormBorderStyle::bsSizeable);
    child->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    child->SetCaption(L"Document " + std::to_wstring(++childCount));
    // A document that closes goes, as an MDI program's documents do.
    child->OnClose = [](TObject*, TCloseAction& action) { action = TCloseAction::caFree; };
    auto* childMenu = Create<TMainMenu>(child);
    TMenuItem* edit = AddItem(child, &childMenu->Items(), L"&Edit", ChildGroup);
    AddItem(child, edit, L"&Undo", ChildGroup)->SetShortCut(ShortCut('Z', scCtrl));
    AddItem(child, edit, L"&Redo", ChildGroup)->SetShortCut(ShortCut('Y', scCtrl));
    child->SetMenu(childMenu);
    auto* memo = Create<TMemo>(child);
    memo->SetParent(child);
    memo->SetAlign(TAlign::alClient);
    memo->SetLines({child->Caption(), L"Maximize me: my buttons move onto the frame's menu bar."});
    child->SetBounds(20 * childCount, 20 * childCount, 320, 220);
    Engine->SkinForm(*child);
    child->Show();
    return child;
}

} // namespace orvane::skinview
