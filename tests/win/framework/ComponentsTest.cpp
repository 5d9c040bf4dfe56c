#include "framework/PublishedProperties.h"
#include "framework/TApplication.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TMemo.h"
#include "framework/TMenu.h"
#include "framework/TPanel.h"
#include "framework/TToolBar.h"

#include "WindowTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orvane::framework {
namespace {

using test::WindowClassName;

// Records what happens to it: notifications, Loaded, destruction.
class TWatcher : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TWatcher(TComponent* owner, std::vector<std::wstring>& journal) : TComponent(owner), log(journal) {}
    ~TWatcher() override { log.push_back(L"destroyed " + Name()); }

    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (component != this)
            log.push_back(Name() + (operation == TOperation::opInsert ? L" saw insert" : L" saw remove"));
    }
    void Loaded() override
    {
        log.push_back(Name() + (IsLoading() ? L" loaded while loading" : L" loaded twice"));
        TComponent::Loaded();
    }

private:
    std::vector<std::wstring>& log;
};

const TClassInfo TWatcher::ClassInfo{L"TWatcher", &TComponent::ClassInfo, {}};

// Records the class of every component inserted beside it.
class TClassWatcher : public TComponent {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    TClassWatcher(TComponent* owner, std::vector<std::wstring>& journal) : TComponent(owner), log(journal) {}

    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (component != this && operation == TOperation::opInsert)
            log.push_back(std::wstring(component->ClassName()) +
                          (component->InheritsFrom(TControl::ClassInfo) ? L" control" : L" component"));
    }

private:
    std::vector<std::wstring>& log;
};

const TClassInfo TClassWatcher::ClassInfo{L"TClassWatcher", &TComponent::ClassInfo, {}};

// A form whose layout the test writes.
class TLayoutForm : public TForm {
public:
    explicit TLayoutForm(TComponent* owner) : TForm(owner) {}
    using TCustomForm::BeginLayout;
    using TCustomForm::EndLayout;
};

TEST(ClassIdentity, NamesAncestryAndWindowClassesAgree)
{
    TLayoutForm form(nullptr);
    auto* panel = Create<TPanel>(&form);
    panel->SetParent(&form);
    auto* memo = Create<TMemo>(&form);
    memo->SetParent(&form);
    form.HandleNeeded();

    EXPECT_EQ(panel->ClassName(), L"TPanel");
    EXPECT_TRUE(panel->InheritsFrom(TCustomPanel::ClassInfo));
    EXPECT_TRUE(panel->InheritsFrom(L"tcustomcontrol")) << "names compare without regard to case";
    EXPECT_FALSE(panel->InheritsFrom(TCustomEdit::ClassInfo));
    EXPECT_TRUE(memo->InheritsFrom(L"TCustomEdit"));

    // Every window's class is named after its control class, so that code
    // watching window creation can tell framework controls apart.
    EXPECT_EQ(WindowClassName(form.Handle()), L"TForm") << "a subclass without class info of its own is a TForm";
    EXPECT_EQ(WindowClassName(panel->Handle()), L"TPanel");
    EXPECT_EQ(WindowClassName(memo->Handle()), L"TMemo");
    EXPECT_EQ(TWinControl::FindControl(memo->Handle()), memo);
}

TEST(ClassIdentity, SuperclassedSystemControlsKeepTheirBehaviour)
{
    TLayoutForm form(nullptr);
    auto* memo = Create<TMemo>(&form);
    memo->SetParent(&form);
    memo->SetLines({L"first", L"second", L"third"});
    // The system's edit control answers its own messages through the superclass.
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 3 + 1) << "the edit counts the empty last line";
    EXPECT_EQ(memo->Lines(), (std::vector<std::wstring>{L"first", L"second", L"third"}));
    SendMessageW(memo->Handle(), EM_SETSEL, 0, 5);
    SendMessageW(memo->Handle(), EM_REPLACESEL, FALSE, LPARAM(L"1st"));
    EXPECT_EQ(memo->Lines().front(), L"1st") << "text typed into the window is what Lines reads";
}

TEST(Components, OwnerDestroysWhatItOwnsAndTellsTheOthers)
{
    std::vector<std::wstring> log;
    {
        TComponent owner(nullptr);
        auto* first = Create<TWatcher>(&owner, log);
        first->SetName(L"first");
        auto* second = Create<TWatcher>(&owner, log);
        second->SetName(L"second");
        EXPECT_EQ(owner.FindComponent(L"SECOND"), second);
        EXPECT_EQ(log, (std::vector<std::wstring>{L"first saw insert"}));
        log.clear();
        delete first;
        EXPECT_EQ(log, (std::vector<std::wstring>{L"destroyed first", L"second saw remove"}));
        EXPECT_EQ(owner.ComponentCount(), 1);
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::wstring>{L"destroyed second"}));
}

// A component made with a bare `new` would never reach its owner: it would be
// neither found, nor loaded, nor freed. Only Create<T> may make one.
template <class Component>
concept MadeWithBareNew = requires(TComponent* owner) { new Component(owner); };
static_assert(!MadeWithBareNew<TComponent> && !MadeWithBareNew<TMemo> && !MadeWithBareNew<TForm>,
              "components are made with Create<T> only");

TEST(Components, AnInsertNotificationSeesTheWholeComponent)
{
    // Rules such as "a menu was inserted: look after it" decide by the class
    // of what was inserted, so the component must be built when they hear.
    std::vector<std::wstring> log;
    TLayoutForm form(nullptr);
    Create<TClassWatcher>(&form, log);
    Create<TPanel>(&form);
    Create<TMainMenu>(&form);
    Create<TWatcher>(&form, log)->SetName(L"watcher");
    EXPECT_EQ(log, (std::vector<std::wstring>{L"TPanel control", L"TMainMenu component", L"TWatcher component"}));
}

TEST(Components, LayoutLoadsEveryComponentOnceAfterItsPropertiesAreSet)
{
    std::vector<std::wstring> log;
    TLayoutForm form(nullptr);
    bool created = false;
    form.OnCreate = [&](TObject*) { created = true; };
    form.BeginLayout();
    auto* watcher = Create<TWatcher>(&form, log);
    watcher->SetName(L"watcher");
    EXPECT_TRUE(watcher->IsLoading());
    auto* panel = Create<TPanel>(&form);
    panel->SetParent(&form);
    EXPECT_FALSE(created);
    form.EndLayout();
    EXPECT_TRUE(created);
    EXPECT_FALSE(watcher->IsLoading());
    EXPECT_FALSE(panel->IsLoading());
    EXPECT_FALSE(form.IsLoading());
    EXPECT_EQ(log, (std::vector<std::wstring>{L"watcher saw insert", L"watcher loaded while loading"}));
}

TEST(Components, ReferencesToARemovedComponentAreCleared)
{
    TLayoutForm form(nullptr);
    auto* images = Create<TImageList>(&form);
    auto* bar = Create<TToolBar>(&form);
    bar->SetParent(&form);
    bar->SetImages(images);
    delete images;
    EXPECT_EQ(bar->Images(), nullptr);
}

TEST(PublishedProperties, AreFoundByNameThroughTheClassChain)
{
    TLayoutForm form(nullptr);
    auto* panel = Create<TPanel>(&form);
    auto* bar = Create<TToolBar>(&form);
    auto* images = Create<TImageList>(&form);
    bar->SetImages(images);

    EXPECT_TRUE(HasProperty(*panel, L"color"));
    EXPECT_TRUE(HasProperty(*panel, L"BevelOuter"));
    EXPECT_TRUE(HasProperty(form, L"Caption"));
    EXPECT_FALSE(HasProperty(*bar, L"Caption"));
    EXPECT_FALSE(HasProperty(*panel, L"Glyph"));

    EXPECT_TRUE(SetPropertyValue(*panel, L"Color", std::int32_t(clRed)));
    EXPECT_EQ(panel->Color(), clRed);
    EXPECT_FALSE(SetPropertyValue(*panel, L"Color", std::wstring(L"red"))) << "a value of the wrong type";
    EXPECT_TRUE(SetPropertyValue(*panel, L"Caption", std::wstring(L"hello")));
    EXPECT_EQ(panel->Caption(), L"hello");
    EXPECT_EQ(GetIntegerProperty(*panel, L"BevelOuter"), std::int32_t(TPanelBevel::bvRaised));
    EXPECT_EQ(GetBooleanProperty(*panel, L"ParentColor"), false);
    EXPECT_EQ(GetObjectProperty(*bar, L"Images"), images);
    EXPECT_EQ(GetObjectProperty(*panel, L"Font"), &panel->Font());
    EXPECT_FALSE(GetIntegerProperty(*panel, L"Margin"));
}

} // namespace
} // namespace orvane::framework
