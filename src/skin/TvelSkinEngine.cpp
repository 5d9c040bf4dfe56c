#include "skin/TvelSkinEngine.h"

#include "core/base/Exception.h"
#include "core/skinmodel/SkinKeys.h"
#include "core/text/Utf8Text.h"
#include "framework/FileAccess.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TMenu.h"
#include "skin/CheckMarkImage.h"
#include "skin/FormLookup.h"
#include "skin/SkinClassLists.h"
#include "skin/SkinMessages.h"
#include "skin/SkinRegistries.h"
#include "skin/StoredSkinPackage.h"
#include "skin/TvelSkinControl.h"
#include "skin/TvelSkinHook.h"
#include "skin/TvelSkinSystemMenu.h"
#include "skin/TvelSkinWindowForm.h"
#include "skin/TvelSkinWindowWnd.h"
#include "skin/User32Functions.h"
#include "skin/WindowText.h"

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>

namespace orvane::skin {

using namespace framework;

const TClassInfo TvelSkinEngine::ClassInfo{L"TvelSkinEngine", &TComponent::ClassInfo, {}};

namespace {

constexpr LONG SizeGripStyle = 0x10; // SBS_SIZEGRIP
constexpr wchar_t StoredPackageExtension[] = L".ssk";
// Classes the hook treats apart from the auto-skin list.
constexpr wchar_t TabDockHostClass[] = L"TTabDockHost";
constexpr wchar_t ConjoinDockHostClass[] = L"TConjoinDockHost";
constexpr wchar_t MessageFormClass[] = L"TMessageForm";
constexpr wchar_t DialogClass[] = L"#32770";
constexpr wchar_t PopupFormClass[] = L"TfrmMSNPopForm";

// A skinned plain window that is going: its activation on the way out must
// not skin it again.
HWND ExcludedDialog = nullptr;

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring WithTrailingBackslash(std::wstring folder)
{
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

std::wstring FileNamePart(const std::wstring& path)
{
    const auto slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring ProgramFolder()
{
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
    const std::wstring program(path, length);
    const auto slash = program.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1);
}

std::wstring SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT))
{
    wchar_t path[MAX_PATH + 1] = {};
    const UINT length = query(path, MAX_PATH + 1);
    return length == 0 || length > MAX_PATH ? std::wstring() : WithTrailingBackslash(std::wstring(path, length));
}

// The skin file a SkinFile value names: the value itself when that file
// exists, else a file of the same name in the program's folder, the Windows
// folder or the system folder; empty when none exists.
std::wstring ResolveSkinFile(const std::wstring& value)
{
    if (value.empty())
        return {};
    if (IsFile(value))
        return value;
    const std::wstring name = FileNamePart(value);
    if (name.empty())
        return {};
    for (const std::wstring& folder :
         {ProgramFolder(), SystemFolder(&GetWindowsDirectoryW), SystemFolder(&GetSystemDirectoryW)}) {
        if (!folder.empty() && IsFile(folder + name))
            return folder + name;
    }
    return {};
}

// The system's error boxes for a missing drive or disk stay away while the
// engine looks for a skin file.
class TCriticalErrorsSilenced {
public:
    TCriticalErrorsSilenced() : previous(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~TCriticalErrorsSilenced() { SetErrorMode(previous); }
    TCriticalErrorsSilenced(const TCriticalErrorsSilenced&) = delete;
    TCriticalErrorsSilenced& operator=(const TCriticalErrorsSilenced&) = delete;

private:
    UINT previous;
};

// A flag that is set for as long as the owner lives.
class TFlagSet {
public:
    explicit TFlagSet(bool& flag) : target(flag) { target = true; }
    ~TFlagSet() { target = false; }
    TFlagSet(const TFlagSet&) = delete;
    TFlagSet& operator=(const TFlagSet&) = delete;

private:
    bool& target;
};

} // namespace

TvelSkinEngine::TvelSkinEngine(TComponent* owner)
    : TComponent(owner), ownerForm(As<TCustomForm>(owner)),
      look(std::make_unique<TSkinLook>(GetSysColor(COLOR_INACTIVECAPTIONTEXT)))
{
    if (!ownerForm)
        throw Exception(std::string_view("Must be placed on a Form"));
    RegisterBuiltInSkinClasses();
    systemMenu = std::make_unique<TvelSkinSystemMenu>(resSysMenuMin, resSysMenuMax, resSysMenuClose);
    SkinMenu(systemMenu->Menu());
    if (!IsDesigning() && !TvelSkinHook::Installed()) {
        TvelSkinHook::Install(*this);
        hookOwner = TvelSkinHook::Engine() == this;
    }
}

TvelSkinEngine::~TvelSkinEngine()
{
    Destroying();
    if (hookOwner)
        TvelSkinHook::Remove(*this);
    pendingForms.clear();
    while (!windows.empty())
        ReleaseWindowObject(*windows.front());
    systemMenuWindow = nullptr;
}

// ---- properties

void TvelSkinEngine::SetActive(bool value)
{
    active = value;
    if (IsDesigning())
        return;
    // A window object may go while the look changes (a dialog closing).
    for (TvelSkinWindow* window : WindowObjects())
        if (Holds(window)) {
            const TSkinHostInUse use(*window);
            window->SetSkinned(value);
        }
}

bool TvelSkinEngine::Ready() const { return look->Ready(); }

void TvelSkinEngine::SetSkinFile(const std::wstring& value)
{
    const TCriticalErrorsSilenced silenced;
    const std::wstring resolved = ResolveSkinFile(value);
    if (resolved.empty())
        return;
    skinFile = resolved;
    LoadSkinFile(resolved);
}

void TvelSkinEngine::LoadSkinFile(const std::wstring& path)
{
    // The package is read into a reader of its own and takes the place of
    // the current skin only once it has loaded: a damaged or foreign package
    // leaves every window in the skin it wears.
    auto loaded = std::make_unique<TvelSkinReader>();
    try {
        loaded->Load(std::filesystem::path(path), Utf8FromWide(password));
    } catch (const Exception&) {
        skinFile.clear();
        if (!IsDesigning())
            throw;
        return;
    }
    if (!loaded->Ready()) // the file went away after it was found
        return;
    if (OnSkinChanging)
        OnSkinChanging(this);
    look = std::make_unique<TSkinLook>(std::move(loaded), look->Metrics().inactiveCaptionColor);
    ApplyLoadedSkin();
}

void TvelSkinEngine::SetSkinData(std::span<const std::uint8_t> package)
{
    const TStoredSkinPackage stored(package, TStoredSkinPackage::GuidBaseName(), StoredPackageExtension);
    const std::wstring kept = skinFile;
    try {
        SetSkinFile(stored.Path().wstring());
    } catch (...) {
        skinFile = kept;
        throw;
    }
    skinFile = kept;
}

std::vector<std::uint8_t> TvelSkinEngine::SkinData() const
{
    if (!builtIn || !IsFile(skinFile))
        return {};
    std::ifstream file(std::filesystem::path(skinFile), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void TvelSkinEngine::SetBuiltIn(bool value)
{
    if (IsLoading()) {
        builtIn = value;
        return;
    }
    if (!IsDesigning())
        throw Exception(std::string_view("BuiltIn property only can be specified at design time!"));
    if (value && !IsFile(skinFile))
        throw Exception(std::string_view("Please specify the SkinFile property first!"));
    builtIn = value;
}

void TvelSkinEngine::SetSkinAllForms(bool value)
{
    skinAllForms = value;
    if (IsDesigning() || IsLoading())
        return;
    if (value)
        SkinOpenForms();
    else
        UnskinOtherForms();
}

void TvelSkinEngine::SetResSysMenuMin(const std::wstring& value)
{
    resSysMenuMin = value;
    systemMenu->SetCaption(TvelSkinSystemMenu::MinimizeItem, value);
}

void TvelSkinEngine::SetResSysMenuMax(const std::wstring& value)
{
    resSysMenuMax = value;
    systemMenu->SetCaption(TvelSkinSystemMenu::MaximizeItem, value);
}

void TvelSkinEngine::SetResSysMenuClose(const std::wstring& value)
{
    resSysMenuClose = value;
    systemMenu->SetCaption(TvelSkinSystemMenu::CloseItem, value);
}

void TvelSkinEngine::SetAdditionalBuiltInSkins(const TvelSkinCollection& value) { additionalSkins.Assign(value); }

void TvelSkinEngine::SetAutoSkinWndClassNames(const std::vector<std::wstring>& value)
{
    autoSkinWndClassNames = value;
    AddAutoSkinClassNames();
}

void TvelSkinEngine::AddAutoSkinClassNames()
{
    for (const auto& name : autoSkinWndClassNames)
        AutoSkinClassNames().Add(name);
}

// ---- life cycle

void TvelSkinEngine::Loaded()
{
    TComponent::Loaded();
    if (!IsDesigning())
        SkinForm(*ownerForm);
    AddAutoSkinClassNames();
}

void TvelSkinEngine::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (IsDesigning() || !component || component == this)
        return;
    if (operation == TOperation::opInsert) {
        if (As<TvelSkinEngine>(component) && component->Owner() == Owner())
            throw Exception(std::string_view("One form can only catch one TvelSkinEngine!"));
        if (auto* menu = As<TMenu>(component)) {
            if (Skinning() && menu->Tag() != disabledTag)
                SkinMenu(*menu);
        } else if (auto* item = As<TMenuItem>(component)) {
            if (Skinning())
                SkinMenuItem(*item);
        }
        return;
    }
    if (auto* menu = As<TMenu>(component))
        UnskinMenu(*menu);
}

bool TvelSkinEngine::Skinning() const { return active && Ready() && !IsDesigning(); }

HWND TvelSkinEngine::EngineFormWindow() const { return ownerForm->Handle(); }

// ---- windows

void TvelSkinEngine::SkinForm(TCustomForm& form)
{
    if (form.InheritsFrom(TForm::ClassInfo)) {
        SkinWindow(form.Handle(), false);
        return;
    }
    // A form outside the TForm family, which the form lookup does not find.
    if (FindWindowObject(form.Handle()))
        return;
    StartWindowObject(std::unique_ptr<TvelSkinWindow>(Create<TvelSkinWindowForm>(nullptr, *this, form, false)),
                      form.Handle(), TAfterStart::Nothing);
}

void TvelSkinEngine::SkinWindow(HWND window, bool createdByHook)
{
    if (!window || FindWindowObject(window))
        return;
    std::unique_ptr<TvelSkinWindow> made;
    if (TCustomForm* form = FindFormByHandle(window))
        made.reset(Create<TvelSkinWindowForm>(nullptr, *this, *form, createdByHook));
    else
        made.reset(Create<TvelSkinWindowWnd>(nullptr, *this, createdByHook));
    StartWindowObject(std::move(made), window, TAfterStart::ReloadSkinFlags);
}

void TvelSkinEngine::StartWindowObject(std::unique_ptr<TvelSkinWindow> object, HWND window, TAfterStart then)
{
    TvelSkinWindow& made = *object;
    windows.push_back(std::move(object));
    // The window may go while it is being skinned (a dialog ending at once):
    // its object stays until this is over.
    const TSkinHostInUse use(made);
    try {
        made.Start(window);
    } catch (...) {
        ReleaseWindowObject(made);
        throw;
    }
    if (then == TAfterStart::ReloadSkinFlags && !made.Released())
        made.ReloadSkinFlags();
}

void TvelSkinEngine::UnskinWindow(HWND window)
{
    if (TvelSkinWindow* object = FindWindowObject(window))
        ReleaseWindowObject(*object);
}

void TvelSkinEngine::WindowDestroyed(TvelSkinWindow& window) { ReleaseWindowObject(window); }

void TvelSkinEngine::ReleaseWindowObject(TvelSkinWindow& window)
{
    const auto found =
        std::find_if(windows.begin(), windows.end(), [&window](const auto& held) { return held.get() == &window; });
    if (found == windows.end())
        return;
    std::unique_ptr<TvelSkinWindow> object = std::move(*found);
    windows.erase(found);
    if (systemMenuWindow == &window)
        systemMenuWindow = nullptr;
    object->Shutdown();
    TvelSkinWindow::Free(std::move(object));
}

std::vector<TvelSkinWindow*> TvelSkinEngine::WindowObjects() const
{
    std::vector<TvelSkinWindow*> objects;
    for (const auto& held : windows)
        objects.push_back(held.get());
    return objects;
}

bool TvelSkinEngine::Holds(const TvelSkinWindow* window) const
{
    return std::any_of(windows.begin(), windows.end(), [window](const auto& held) { return held.get() == window; });
}

void TvelSkinEngine::SkinOpenForms()
{
    TFlagSet skinning(skinningForms);
    if (!Application)
        return;
    for (int index = 0; index < Application->FormCount(); ++index) {
        TCustomForm* form = Application->Forms(index);
        if (!form || form->Tag() == disabledTag || form->ClassName() == PopupFormClass)
            continue;
        if (!form->HandleAllocated()) {
            SkinWhenShown(*form);
            continue;
        }
        HWND handle = form->Handle();
        if (IsSkinnedWindow(handle))
            continue;
        SkinWindow(handle, false);
    }
}

void TvelSkinEngine::SkinWhenShown(TCustomForm& form)
{
    for (const auto& pending : pendingForms)
        if (pending->form == &form)
            return;
    auto pending = std::make_unique<TPendingForm>();
    pending->form = &form;
    TPendingForm* entry = pending.get();
    pending->watch = form.HookWindowProc([this, entry](TMessage& message, const TMessageLayers::TNext& next) {
        if (message.Msg == WM_SHOWWINDOW && message.WParam) {
            TCustomForm* shown = entry->form;
            // The entry goes first: the watch is done (the layer runs on
            // until this message has passed it).
            std::erase_if(pendingForms, [entry](const auto& item) { return item.get() == entry; });
            if (Skinning() && skinAllForms && !IsSkinnedWindow(shown->WindowHandle()))
                SkinWindow(shown->WindowHandle(), false);
        }
        next(message);
    });
    pendingForms.push_back(std::move(pending));
}

void TvelSkinEngine::UnskinOtherForms()
{
    pendingForms.clear();
    HWND own = ownerForm->WindowHandle();
    for (TvelSkinWindow* window : WindowObjects())
        if (Holds(window) && window->Handle() != own)
            ReleaseWindowObject(*window);
}

TvelSkinWindow* TvelSkinEngine::FindWindowObject(HWND window) const
{
    TvelSkinWindow* object = TvelSkinWindow::FromWindow(window);
    return object && &object->Engine() == this ? object : nullptr;
}

void TvelSkinEngine::ExcludeDialogOnce(HWND window) { ExcludedDialog = window; }

TvelSkinEngine* TvelSkinEngine::HookEngine() { return TvelSkinHook::Engine(); }

void TvelSkinEngine::HookWindowCreated(HWND window, const CBT_CREATEWNDW& creation, bool& refuse)
{
    const CREATESTRUCTW* create = creation.lpcs;
    if (!create || UpperAnsiClassName(window) != "SCROLLBAR")
        return;
    if ((create->style & SizeGripStyle) && Skinning() && create->dwExStyle != WS_EX_NOPARENTNOTIFY)
        refuse = true;
}

void TvelSkinEngine::HookWindowActivated(HWND window)
{
    const std::wstring name = WindowClassName(window);
    if (name == TabDockHostClass || name == ConjoinDockHostClass) {
        if (!IsSkinnedWindow(window))
            SkinWindow(window, true);
        return;
    }
    if (name == MessageFormClass || name == DialogClass) {
        if (window != ExcludedDialog && skinDialogs && !IsSkinnedWindow(window))
            SkinWindow(window, true);
        ExcludedDialog = nullptr;
        return;
    }
    if (AutoSkinClassNames().Contains(name) && !IsSkinnedWindow(window))
        SkinWindow(window, false);
}

// ---- the skin

void TvelSkinEngine::ApplyLoadedSkin()
{
    if (const Bitmap* checkMark = look->Reader().GetBitmap(SKIN2_CHECKEDMENUICON); checkMark && !checkMark->Empty())
        TCheckMarkImage::Replace(*checkMark, look->Metrics().transparentColor);

    const auto getAncestor = User32Functions().GetAncestor;
    for (TvelSkinWindow* window : WindowObjects()) {
        if (!Holds(window))
            continue;
        const TSkinHostInUse use(*window);
        if (active) {
            HWND handle = window->Handle();
            const bool visible = IsWindowVisible(handle) != FALSE;
            if (!getAncestor || !getAncestor(handle, GA_PARENT))
                ShowWindow(handle, SW_HIDE);
            window->SetSkinned(false);
            window->SetSkinned(true);
            if (visible) {
                ShowWindow(handle, SW_SHOWNA);
                if (!windows.empty())
                    SetActiveWindow(windows.front()->Handle());
            }
        }
        if (!window->Released())
            window->ReloadSkinFlags();
    }

    if (OnSkinChanged)
        OnSkinChanged(this);
}

// ---- control skins

std::unique_ptr<TvelSkinControl> TvelSkinEngine::CreateControlSkin(TControl& control, TvelSkinWindow& window)
{
    const TControlSkinClass* skinClass = FindControlSkinClass(control);
    if (!skinClass || !skinClass->Factory)
        return nullptr;
    return skinClass->Factory(control, window);
}

std::unique_ptr<TvelSkinControl> TvelSkinEngine::CreateWindowSkin(HWND child, TvelSkinWindow& window)
{
    std::string name = UpperAnsiClassName(child);
    if (name == "SYSANIMATE32" || name == "MSCTLS_PROGRESS32") {
        window.SetHasAnimatedChild();
        return nullptr;
    }
    if (name == "COMBOBOXEX32") {
        child = GetWindow(child, GW_CHILD);
        if (!child)
            return nullptr;
    }
    const std::string normalized = NormalizedWindowClass(name, GetWindowLongW(child, GWL_STYLE));
    if (normalized.empty())
        return nullptr;
    const TWindowSkinClass* skinClass = FindWindowSkinClass(normalized);
    if (!skinClass || !skinClass->Factory)
        return nullptr;
    return skinClass->Factory(child, window);
}

// ---- menus

TMenu& TvelSkinEngine::SystemMenu() { return systemMenu->Menu(); }

bool TvelSkinEngine::PopupSystemMenu(TvelSkinWindow& window, POINT screen)
{
    systemMenuWindow = &window;
    return systemMenu->Popup(window, screen);
}

} // namespace orvane::skin
