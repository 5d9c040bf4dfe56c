#include "skinview/TSkinViewForm.h"

#include "core/text/Utf8Text.h"
#include "framework/BuiltInResource.h"
#include "framework/TApplication.h"
#include "framework/TCommonDialog.h"
#include "skinview/GalleryGlyphs.h"
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

// The grid of groups on the controls panel: two columns, three rows, and the
// column for the scrolling controls on the right.
constexpr int ColumnA = 8, ColumnB = 326, GroupWidth = 310;
constexpr int FirstRow = 6, FirstRowHeight = 146;
constexpr int SecondRow = FirstRow + FirstRowHeight + 6, SecondRowHeight = 134;
constexpr int ThirdRow = SecondRow + SecondRowHeight + 6, ThirdRowHeight = 118;
constexpr int ScrollingColumnWidth = 320;
constexpr int GalleryClientWidth = ColumnB + GroupWidth + 8 + ScrollingColumnWidth;
constexpr int GalleryClientHeight = 42 + ThirdRow + ThirdRowHeight + 8 + 22;

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
    SetClientSize(GalleryClientWidth, GalleryClientHeight);
    BuildMenu();
    BuildControls();
    // The focused look is one of those a skin must show.
    OnShow = [this](TObject*) { OkButton->SetFocus(); };
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

template <class T>
T* TSkinViewForm::Place(TWinControl* parent, int left, int top, int width, int height, const std::wstring& caption)
{
    auto* control = Create<T>(this);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    if (!caption.empty())
        control->SetCaption(caption);
    return control;
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

    StatusBar = Create<TStatusBar>(this);
    StatusBar->SetParent(this);
    StatusBar->SetAlign(TAlign::alBottom);
    StatusBar->SetSimpleText(L"Every control in the skin's look");

    BuildScrollingColumn();

    ControlsPanel = Create<TPanel>(this);
    ControlsPanel->SetParent(this);
    ControlsPanel->SetAlign(TAlign::alClient);
    ControlsPanel->SetBevelOuter(TPanelBevel::bvNone);

    // Two columns of groups, three rows.
    auto* buttons = Place<TGroupBox>(ControlsPanel, ColumnA, FirstRow, GroupWidth, FirstRowHeight, L"Buttons");
    BuildButtons(buttons);
    auto* ranges = Place<TGroupBox>(ControlsPanel, ColumnB, FirstRow, GroupWidth, FirstRowHeight, L"Ranges");
    BuildRanges(ranges);
    auto* choices = Place<TGroupBox>(ControlsPanel, ColumnA, SecondRow, GroupWidth, SecondRowHeight,
                                     L"Check boxes and radio buttons");
    BuildChoices(choices);
    auto* tabs = Place<TGroupBox>(ControlsPanel, ColumnB, SecondRow, GroupWidth, SecondRowHeight, L"Tabs");
    BuildTabs(tabs);
    BuildPlainAndText(ControlsPanel);
}

void TSkinViewForm::BuildButtons(TWinControl* parent)
{
    OkButton = Place<TButton>(parent, 12, 20, 86, 28, L"OK");
    Place<TButton>(parent, 104, 20, 86, 28, L"Cancel");
    Place<TButton>(parent, 196, 20, 100, 28, L"Disabled")->SetEnabled(false);

    auto* open = Place<TButton>(parent, 12, 56, 140, 36, L"With an image");
    open->SetImages(Images);
    open->SetImageIndex(0);
    auto* glyph = Place<TButton>(parent, 158, 56, 138, 36, L"Glyph, disabled");
    DrawGalleryGlyph(glyph->Glyph(), GlyphShape::Circle, RGB(40, 120, 200), 2);
    glyph->SetNumGlyphs(2);
    glyph->SetEnabled(false);

    // A group of three that keeps one down, a button with a caption, a
    // disabled one and one that goes down and up again.
    const GlyphShape shapes[] = {GlyphShape::Square, GlyphShape::Circle, GlyphShape::Triangle};
    const COLORREF colours[] = {RGB(200, 60, 50), RGB(40, 140, 70), RGB(40, 90, 190)};
    // Windowless controls need a parent that paints them: a panel, since the
    // group box is the system's window.
    auto* row = Place<TPanel>(parent, 10, 100, 290, 32);
    row->SetBevelOuter(TPanelBevel::bvNone);
    row->SetParentColor(true);
    for (int index = 0; index < 3; ++index) {
        auto* speed = Place<TSpeedButton>(row, 2 + index * 30, 2, 28, 28);
        DrawGalleryGlyph(speed->Glyph(), shapes[index], colours[index], 2);
        speed->SetNumGlyphs(2);
        speed->SetGroupIndex(1);
        speed->SetDown(index == 0);
    }
    auto* captioned = Place<TSpeedButton>(row, 98, 2, 74, 28, L"Speed");
    DrawGalleryGlyph(captioned->Glyph(), GlyphShape::Cross, RGB(170, 60, 150), 2);
    captioned->SetNumGlyphs(2);
    auto* disabled = Place<TSpeedButton>(row, 176, 2, 52, 28, L"Off");
    DrawGalleryGlyph(disabled->Glyph(), GlyphShape::Square, RGB(200, 60, 50), 2);
    disabled->SetNumGlyphs(2);
    disabled->SetEnabled(false);
    auto* toggle = Place<TSpeedButton>(row, 232, 2, 56, 28, L"Toggle");
    toggle->SetGroupIndex(2);
    toggle->SetAllowAllUp(true);
}

void TSkinViewForm::BuildRanges(TWinControl* parent)
{
    Progress = Place<TProgressBar>(parent, 12, 22, 200, 18);
    Progress->SetPosition(60);

    Track = Place<TTrackBar>(parent, 12, 46, 200, 40);
    Track->SetRange(0, 10);
    Track->SetPosition(4);
    Track->SetSelection(2, 6);
    Track->OnChange = [this](TObject*) { Progress->SetPosition(Track->Position() * 10); };
    auto* both = Place<TTrackBar>(parent, 12, 92, 200, 44);
    both->SetRange(0, 20);
    both->SetFrequency(5);
    both->SetPosition(15);
    both->SetTickMarks(TTickMark::tmBoth);

    auto* upright = Place<TTrackBar>(parent, 218, 16, 34, 126);
    upright->SetOrientation(TTrackBarOrientation::trVertical);
    upright->SetTickMarks(TTickMark::tmTopLeft);
    upright->SetRange(0, 10);
    upright->SetPosition(3);
    Place<TUpDown>(parent, 256, 22, 17, 24)->SetPosition(5);
    auto* across = Place<TProgressBar>(parent, 280, 22, 18, 116);
    across->SetOrientation(TProgressBarOrientation::pbVertical);
    across->SetPosition(35);
}

void TSkinViewForm::BuildChoices(TWinControl* parent)
{
    Place<TCheckBox>(parent, 12, 20, 140, 17, L"Checked")->SetChecked(true);
    Place<TCheckBox>(parent, 12, 42, 140, 17, L"Unchecked");
    auto* greyed = Place<TCheckBox>(parent, 12, 64, 140, 17, L"Greyed");
    greyed->SetAllowGrayed(true);
    greyed->SetState(TCheckBoxState::cbGrayed);
    auto* disabledChecked = Place<TCheckBox>(parent, 12, 86, 140, 17, L"Disabled, checked");
    disabledChecked->SetChecked(true);
    disabledChecked->SetEnabled(false);
    Place<TCheckBox>(parent, 12, 108, 140, 17, L"Disabled")->SetEnabled(false);

    Place<TRadioButton>(parent, 160, 20, 140, 17, L"First choice")->SetChecked(true);
    Place<TRadioButton>(parent, 160, 42, 140, 17, L"Second choice");
    Place<TRadioButton>(parent, 160, 64, 140, 17, L"Disabled choice")->SetEnabled(false);
}

void TSkinViewForm::BuildTabs(TWinControl* parent)
{
    Tabs = Place<TTabControl>(parent, 10, 18, 290, 106);
    const std::vector<std::wstring> names{L"Board", L"Notes", L"Stats"};
    Tabs->SetTabs(names);
    TabPage = Create<TPanel>(this);
    TabPage->SetParent(Tabs);
    TabPage->SetAlign(TAlign::alClient);
    TabPage->SetBevelOuter(TPanelBevel::bvNone);
    TabPage->SetCaption(L"The Board page");
    Tabs->OnChange = [this, names](TObject*) {
        const int index = Tabs->TabIndex();
        if (index >= 0 && index < int(names.size()))
            TabPage->SetCaption(L"The " + names[std::size_t(index)] + L" page");
    };
}

void TSkinViewForm::BuildPlainAndText(TWinControl* parent)
{
    auto* text = Place<TGroupBox>(parent, ColumnA, ThirdRow, GroupWidth, ThirdRowHeight, L"Labels and text");
    auto* labels = Place<TPanel>(text, 10, 18, 290, 38);
    labels->SetBevelOuter(TPanelBevel::bvNone);
    labels->SetParentColor(true);
    Place<TLabel>(labels, 2, 2, 286, 16, L"A label in the skin's font colour");
    Place<TLabel>(labels, 2, 20, 286, 16, L"A disabled label")->SetEnabled(false);
    Memo = Place<TMemo>(text, 12, 58, 286, 52);
    std::vector<std::wstring> lines;
    for (int line = 1; line <= 40; ++line)
        lines.push_back(L"Line " + std::to_wstring(line) + L" of a memo long enough to scroll.");
    Memo->SetLines(lines);

    // The engine's disabled tag: everything inside keeps the system's look.
    PlainPanel = Place<TPanel>(parent, ColumnB, ThirdRow + 6, GroupWidth, ThirdRowHeight - 6);
    PlainPanel->SetTag(skin::TvelSkinEngine::DefaultDisabledTag);
    Place<TLabel>(PlainPanel, 10, 8, 286, 16, L"Tag 9999: the system's own look");
    Place<TButton>(PlainPanel, 10, 30, 86, 28, L"Plain");
    Place<TCheckBox>(PlainPanel, 108, 36, 120, 17, L"Plain check box")->SetChecked(true);
    auto* plainTrack = Place<TTrackBar>(PlainPanel, 6, 64, 200, 40);
    plainTrack->SetPosition(6);
    Place<TProgressBar>(PlainPanel, 212, 74, 86, 18)->SetPosition(60);
}

void TSkinViewForm::BuildScrollingColumn()
{
    ScrollingColumn = Create<TPanel>(this);
    ScrollingColumn->SetParent(this);
    ScrollingColumn->SetAlign(TAlign::alRight);
    ScrollingColumn->SetWidth(ScrollingColumnWidth);
    ScrollingColumn->SetBevelOuter(TPanelBevel::bvNone);
    auto* heading = Create<TLabel>(this);
    heading->SetParent(ScrollingColumn);
    heading->SetAlign(TAlign::alTop);
    heading->SetHeight(20);
    heading->SetCaption(L"  Controls with scroll bars and borders");
    // The panel of controls with scroll bars and sunken borders fills the
    // rest of this column, aligned to its client area.
    TScrollingControlsPanel::CreateOn(*this, *ScrollingColumn);
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
