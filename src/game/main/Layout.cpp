#include "game/main/TForm1.h"

#include "core/puzzle/BoardGeometry.h"
#include "core/puzzle/WebAddresses.h"
#include "framework/BuiltInResource.h"
#include "framework/Shell.h"
#include "framework/TApplication.h"
#include "framework/WideText.h"
#include "game/DataFolder.h"
#include "game/GameLayout.h"
#include "game/GameResources.h"
#include "game/PlayFiles.h"
#include "game/PlaySettingsFile.h"

namespace orvane::game {

TForm1* Form1 = nullptr;
bool TForm1::LayoutSkinActive = true;

namespace {

using namespace framework;

constexpr wchar_t ApplicationTitlePlaceholder[] = L"Orvane Sudoku 1.0";
constexpr int MainClientWidth = 517;
constexpr int MainClientHeight = 484;
constexpr int BoardPanelWidth = 473;
constexpr int BoardLeft = 11;
constexpr int BoardTop = 16;
constexpr int PositionPanelLeft = 400;
constexpr int PositionPanelTop = 424;
constexpr int LineBufferLeft = 8;
constexpr int LineBufferTop = 424;
constexpr int ToolBarWidth = 38;
constexpr int ToolButtonWidth = 38;
constexpr int ToolButtonHeight = 34;
constexpr int ToolImageExtent = 24;

// Images of ImageList1, in list order.
enum ToolImage {
    TickImage,         // Check Error
    QuestionDiscImage, // belongs to no button
    Digit1Image,
    Digit2Image,
    Digit3Image,
    CrossImage, // the eraser
    Digit4Image,
    Digit5Image,
    Digit6Image,
    Digit7Image,
    Digit8Image,
    Digit9Image,
    PrinterImage,
    SiteLogoImage,
    ToolImageCount
};
static_assert(ToolImageCount == 14);

constexpr wchar_t DesignTimeSkinFile[] = L"D:\\Orvane\\Skins\\Orvane Slate.ssk";

constexpr wchar_t SavedGameFilter[] = L"Standard Sudoku|*.std";
constexpr wchar_t SavedGameExtension[] = L"std";

} // namespace

const TClassInfo TForm1::ClassInfo{L"TForm1", &TForm::ClassInfo, {}};

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    OpenWebAddress = [this](const std::wstring& address) { ShellOpen(Handle(), address); };
    Now = [] { return std::int64_t(GetTickCount64()); };
    // Quit and the window's close button both come here.
    OnClose = [this](TObject*, TCloseAction&) { KeepGame(); };
    BeginLayout();
    CreateLayout();
    EndLayout();
    // The arrows and Delete are read as keys, before the message loop makes
    // characters of what it can: they type nothing, on any keyboard layout.
    if (Application)
        keyFilter = Application->AddMessageFilter(
            [this](MSG& message, bool& handled) { HandleKeyMessage(message, handled); });
}

TForm1::~TForm1()
{
    if (Application && keyFilter != 0)
        Application->RemoveMessageFilter(keyFilter);
}

void TForm1::CreateLayout()
{
    SetName(L"Form1");
    SetCaption(ApplicationTitlePlaceholder);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poScreenCenter);
    SetClientSize(MainClientWidth, MainClientHeight);
    SetKeyPreview(true);
    SetShowHint(true);
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnKeyPress = [this](TObject* sender, wchar_t& key) { FormKeyPress(sender, key); };

    Panel5 = Create<TPanel>(this);
    Panel5->SetName(L"Panel5");
    Panel5->SetParent(this);
    Panel5->SetAlign(TAlign::alLeft);
    Panel5->SetWidth(BoardPanelWidth);
    Panel5->SetBevelOuter(TPanelBevel::bvRaised);
    Panel5->SetCaption(L"");

    Panel1 = Create<TPanel>(this);
    Panel1->SetName(L"Panel1");
    Panel1->SetParent(Panel5);
    Panel1->SetAlign(TAlign::alClient);
    Panel1->SetBevelInner(TPanelBevel::bvLowered);
    Panel1->SetBevelOuter(TPanelBevel::bvSpace);
    Panel1->SetCaption(L" ");

    stdsudoku1 = Create<Tstdsudoku>(this);
    stdsudoku1->SetName(L"stdsudoku1");
    stdsudoku1->SetParent(Panel1);
    stdsudoku1->SetBounds(BoardLeft, BoardTop, BoardPixels, BoardPixels);
    stdsudoku1->SetTag(UnskinnedTag);
    stdsudoku1->Setfixcolor(clBlack);
    stdsudoku1->Setbigcolor(clBlue);

    Memo1 = Create<TMemo>(this);
    Memo1->SetName(L"Memo1");
    Memo1->SetParent(Panel1);
    Memo1->SetLeft(LineBufferLeft);
    Memo1->SetTop(LineBufferTop);
    Memo1->SetVisible(false);

    QJ1 = Create<TQJ>(this);
    QJ1->SetName(L"QJ1");
    QJ1->SetParent(Panel1);
    QJ1->SetLeft(PositionPanelLeft);
    QJ1->SetTop(PositionPanelTop);

    CreateToolBar();

    OpenDialog1 = Create<TOpenDialog>(this);
    OpenDialog1->SetName(L"OpenDialog1");
    OpenDialog1->SetDefaultExt(SavedGameExtension);
    OpenDialog1->SetFilter(SavedGameFilter);
    SaveDialog1 = Create<TSaveDialog>(this);
    SaveDialog1->SetName(L"SaveDialog1");
    SaveDialog1->SetDefaultExt(SavedGameExtension);
    SaveDialog1->SetFilter(SavedGameFilter);

    CreateMenu();
    CreateSkinEngine();
}

void TForm1::CreateToolBar()
{
    ToolBar1 = Create<TToolBar>(this);
    ToolBar1->SetName(L"ToolBar1");
    ToolBar1->SetParent(this);
    ToolBar1->SetAlign(TAlign::alRight);
    ToolBar1->SetWidth(ToolBarWidth);
    ToolBar1->SetFlat(true);
    ToolBar1->SetButtonWidth(ToolButtonWidth);
    ToolBar1->SetButtonHeight(ToolButtonHeight);
    ToolBar1->SetShowCaptions(false);
    ToolBar1->SetTag(UnskinnedTag);

    struct ButtonLayout {
        TToolButton* TForm1::*field;
        const wchar_t* name;
        int image;
        bool digit;
    };
    const ButtonLayout buttons[] = {
        {&TForm1::sz1, L"sz1", Digit1Image, true},     {&TForm1::sz2, L"sz2", Digit2Image, true},
        {&TForm1::sz3, L"sz3", Digit3Image, true},     {&TForm1::sz4, L"sz4", Digit4Image, true},
        {&TForm1::sz5, L"sz5", Digit5Image, true},     {&TForm1::sz6, L"sz6", Digit6Image, true},
        {&TForm1::sz7, L"sz7", Digit7Image, true},     {&TForm1::sz8, L"sz8", Digit8Image, true},
        {&TForm1::sz9, L"sz9", Digit9Image, true},     {&TForm1::sz0, L"sz0", CrossImage, true},
        {&TForm1::btcheck, L"btcheck", TickImage, false}, {&TForm1::btprint, L"btprint", PrinterImage, false},
        {&TForm1::btvisit, L"btvisit", SiteLogoImage, false},
    };
    for (const ButtonLayout& layout : buttons) {
        auto* button = Create<TToolButton>(this);
        this->*layout.field = button;
        button->SetName(layout.name);
        button->SetParent(ToolBar1);
        button->SetImageIndex(layout.image);
        button->SetTag(UnskinnedTag);
        // Every button ends its row: the buttons form one column.
        button->SetWrap(true);
        if (layout.digit) {
            button->SetStyle(TToolButtonStyle::tbsCheck);
            button->SetGrouped(true);
        }
    }
    sz1->SetDown(true);
    btcheck->SetHint(L"Check Error");
    btcheck->SetEnabled(false);
    btcheck->OnClick = [this](TObject* sender) { btcheckClick(sender); };
    btprint->SetEnabled(false);
    btprint->OnClick = [this](TObject* sender) { Print1Click(sender); };
    btvisit->OnClick = [this](TObject* sender) { btvisitClick(sender); };

    ImageList1 = Create<TImageList>(this);
    ImageList1->SetName(L"ImageList1");
    LoadToolImages(DefaultDpi);
}

void TForm1::LoadToolImages(unsigned dpi)
{
    const int wanted = ScaleForDpi(ToolImageExtent, dpi);
    const TSizedToolBarImages* chosen = &SizedToolBarImages[0];
    for (const TSizedToolBarImages& images : SizedToolBarImages)
        if (images.extent <= wanted)
            chosen = &images;
    if (ImageList1->Width() != chosen->extent || ImageList1->Count() == 0) {
        ImageList1->SetWidth(chosen->extent);
        ImageList1->SetHeight(chosen->extent);
        ImageList1->AddFromResource(chosen->resource);
    }
    // The bar measures its buttons' images again.
    ToolBar1->SetImages(ImageList1);
}

void TForm1::ChangeScale(unsigned toDpi, unsigned fromDpi)
{
    TForm::ChangeScale(toDpi, fromDpi);
    LoadToolImages(toDpi);
}

void TForm1::CreateMenu()
{
    MainMenu1 = Create<TMainMenu>(this);
    MainMenu1->SetName(L"MainMenu1");
    auto item = [this](TMenuItem* parent, const wchar_t* name, const std::wstring& caption) {
        auto* created = Create<TMenuItem>(this);
        created->SetName(name);
        created->SetCaption(caption);
        parent->Add(created);
        return created;
    };
    NewGame1 = item(&MainMenu1->Items(), L"NewGame1", L"New Game");
    Easy1 = item(NewGame1, L"Easy1", L"Easy");
    Standard1 = item(NewGame1, L"Standard1", L"Normal");
    Hard1 = item(NewGame1, L"Hard1", L"Hard");
    Expert1 = item(NewGame1, L"Expert1", L"Expert");
    Extreme1 = item(NewGame1, L"Extreme1", L"Extreme");
    N2 = item(NewGame1, L"N2", L"-");
    Quit1 = item(NewGame1, L"Quit1", L"Quit");
    Ab1 = item(&MainMenu1->Items(), L"Ab1", L"Tools");
    Open1 = item(Ab1, L"Open1", L"Open");
    Save1 = item(Ab1, L"Save1", L"Save");
    Restart1 = item(Ab1, L"Restart1", L"Restart");
    ShowSolution1 = item(Ab1, L"ShowSolution1", L"Show Solution");
    Print1 = item(Ab1, L"Print1", L"Print");
    N1 = item(Ab1, L"N1", L"-");
    VisitOrvanenet1 = item(Ab1, L"VisitOrvanenet1", WideFromUtf8(VisitCaption()));

    TMenuItem* levels[] = {Easy1, Standard1, Hard1, Expert1, Extreme1};
    for (int level = 0; level < int(std::size(levels)); ++level) {
        levels[level]->SetTag(level);
        levels[level]->OnClick = [this](TObject* sender) { Easy1Click(sender); };
    }
    ShowSolution1->SetHint(L"Show Solution");
    Quit1->OnClick = [this](TObject* sender) { Quit1Click(sender); };
    Open1->OnClick = [this](TObject* sender) { Open1Click(sender); };
    Save1->OnClick = [this](TObject* sender) { Save1Click(sender); };
    Restart1->OnClick = [this](TObject* sender) { Restart1Click(sender); };
    ShowSolution1->OnClick = [this](TObject* sender) { ShowSolution1Click(sender); };
    Print1->OnClick = [this](TObject* sender) { Print1Click(sender); };
    VisitOrvanenet1->OnClick = [this](TObject* sender) { btvisitClick(sender); };
    CreatePlayMenu();
    SetMenu(MainMenu1);
}

void TForm1::CreateSkinEngine()
{
    velSkinEngine1 = Create<skin::TvelSkinEngine>(this);
    velSkinEngine1->SetName(L"velSkinEngine1");
    velSkinEngine1->SetActive(LayoutSkinActive);
    velSkinEngine1->SetDisabledTag(UnskinnedTag);
    velSkinEngine1->SetBuiltIn(true);
    // Where the skin lay when the layout was made; no player has it, so the
    // stored package below is the one that counts.
    velSkinEngine1->SetSkinFile(DesignTimeSkinFile);
    velSkinEngine1->SetSkinData(BuiltInResourceBytes(StoredSkinResource));
}

void TForm1::FormCreate(TObject*)
{
    SetCaption(Application ? Application->Title() : std::wstring(ApplicationTitlePlaceholder));
    curlevel = 0;
    const std::wstring dataFolder = DataFolderPath();
    if (!dataFolder.empty()) {
        savesFolder = dataFolder + SavesFolderName;
        CreateDataFolders(dataFolder, savesFolder);
    }
    settingsPath = dataFolder.empty() ? std::wstring() : dataFolder + PlaySettingsFileName;
    if (!dataFolder.empty()) {
        statisticsPath = dataFolder + StatisticsFileName;
        statisticsAsidePath = dataFolder + DamagedStatisticsFileName;
        keptGamePath = dataFolder + KeptGameFileName;
    }
    LoadSettings();
    OpenDialog1->SetInitialDir(savesFolder);
    SaveDialog1->SetInitialDir(savesFolder);
    stdsudoku1->SetEnabled(false);
    for (int x = 1; x <= BoardSize; ++x)
        for (int y = 1; y <= BoardSize; ++y) {
            TCell* cell = stdsudoku1->Cells(x, y);
            cell->OnMouseDown = [this](TObject* sender, TMouseButton button, unsigned shift, int px, int py) {
                CellMouseDown(sender, button, shift, px, py);
            };
            cell->OnMouseEnter = [this](TObject* sender) { CellMouseEnter(sender); };
            cell->OnMouseLeave = [this](TObject* sender) { CellMouseLeave(sender); };
        }
}

} // namespace orvane::game
