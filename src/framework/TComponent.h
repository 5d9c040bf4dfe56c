#pragma once

#include "framework/TObject.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::framework {

class TComponent;
template <class Component, class... Arguments>
Component* Create(TComponent* owner, Arguments&&... arguments);

enum class TOperation { opInsert, opRemove };

// The component state flags.
//   csLoading     the component's layout is being read; cleared by Loaded
//   csDesigning   a form designer owns the component; never set at run time,
//                 but rules that test it keep their meaning
//   csDestroying  the component is being destroyed
enum TComponentStateFlag : unsigned { csLoading = 1u << 0, csDesigning = 1u << 1, csDestroying = 1u << 2 };

// A component: it has an owner, which destroys it, and owns the components
// created with it as owner. Every insertion into or removal from an owner is
// announced to the owner and, through it, to all the owner's components.
//
// Components are made with Create<T>(owner, ...), which inserts the component
// into its owner only once its constructor has finished: whoever hears of the
// insertion sees the whole component (its class, its fields), never a
// half-built base.
class TComponent : public TObject {
public:
    static const TClassInfo ClassInfo;
    const TClassInfo& ClassType() const override { return ClassInfo; }

    // A component created for an owner that is loading starts in the loading
    // state too. The constructor does not insert it: Create<T> does that.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return currentOwner; }
    int ComponentCount() const { return int(components.size()); }
    TComponent* Components(int index) const { return components[std::size_t(index)]; }
    const std::vector<TComponent*>& ComponentList() const { return components; }
    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(std::wstring_view wanted) const;

    const std::wstring& Name() const { return componentName; }
    void SetName(const std::wstring& newName) { componentName = newName; }
    std::int32_t Tag() const { return componentTag; }
    void SetTag(std::int32_t newTag) { componentTag = newTag; }

    unsigned ComponentState() const { return componentState; }
    bool IsLoading() const { return (componentState & csLoading) != 0; }
    bool IsDesigning() const { return (componentState & csDesigning) != 0; }
    bool IsDestroying() const { return (componentState & csDestroying) != 0; }

    // Takes ownership of `component` (removing it from its earlier owner).
    void InsertComponent(TComponent* component);
    // Gives up ownership; the component is then not destroyed with this one.
    void RemoveComponent(TComponent* component);

    // Starts reading a layout into this component.
    void BeginLoading() { componentState |= csLoading; }
    // Called once the layout has been read: every property is set.
    virtual void Loaded();

    // A component was inserted into or removed from this component's owner
    // (or this component). The default passes the news on to every owned
    // component; a component that refers to another clears the reference on
    // opRemove.
    virtual void Notification(TComponent* component, TOperation operation);

protected:
    // Marks the component as being destroyed. Destructors of derived classes
    // call it first, so that everything they trigger sees the state.
    void Destroying() { componentState |= csDestroying; }

    // Destroys the owned components, last first.
    void DestroyComponents();

    // Calls Loaded on every owned component still loading, in creation order,
    // each before the components it owns.
    void LoadedComponents();

private:
    template <class Component, class... Arguments>
    friend Component* Create(TComponent* owner, Arguments&&... arguments);

    // Only Create<T> may put a component on the heap: a component made with
    // a bare `new` would never be inserted into its owner, so the owner would
    // neither find it, nor finish its loading, nor free it.
    static void* operator new(std::size_t size) { return ::operator new(size); }

    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* currentOwner = nullptr;
    std::vector<TComponent*> components;
    std::wstring componentName;
    std::int32_t componentTag = 0;
    unsigned componentState = 0;
};

// Constructs a component, then inserts it into its owner (if any), which
// announces it to the owner's components. The owner then destroys it; a
// component without owner belongs to the caller.
template <class Component, class... Arguments>
Component* Create(TComponent* owner, Arguments&&... arguments)
{
    std::unique_ptr<Component> made(new Component(owner, std::forward<Arguments>(arguments)...));
    if (!owner)
        return made.release();
    Component* component = made.release();
    // Once inserted the owner holds it, even if a notification throws.
    owner->InsertComponent(component);
    return component;
}

} // namespace orvane::framework
