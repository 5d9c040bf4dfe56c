#include "framework/TComponent.h"

#include "framework/PublishedProperties.h"
#include "framework/WideText.h"

#include <algorithm>

namespace orvane::framework {

namespace {

constexpr TPropertyInfo ComponentProperties[] = {
    PublishedValue<TComponent, &TComponent::Name, &TComponent::SetName>(L"Name", TPropertyKind::String),
    PublishedValue<TComponent, &TComponent::Tag, &TComponent::SetTag>(L"Tag", TPropertyKind::Integer),
};

} // namespace

const TClassInfo TComponent::ClassInfo{L"TComponent", &TObject::ClassInfo, ComponentProperties};

TComponent::TComponent(TComponent* newOwner)
{
    if (newOwner && newOwner->IsLoading())
        componentState |= csLoading;
}

TComponent::~TComponent()
{
    Destroying();
    DestroyComponents();
    if (currentOwner)
        currentOwner->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::wstring_view wanted) const
{
    for (TComponent* component : components)
        if (!component->componentName.empty() && SameText(component->componentName, wanted))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->currentOwner)
        component->currentOwner->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Loaded() { componentState &= ~csLoading; }

void TComponent::Notification(TComponent* component, TOperation operation)
{
    // Indexes, not iterators: a receiver may create or destroy components.
    for (std::size_t i = 0; i < components.size(); ++i)
        if (components[i] != component)
            components[i]->Notification(component, operation);
}

void TComponent::DestroyComponents()
{
    while (!components.empty()) {
        TComponent* last = components.back();
        Remove(last);
        delete last;
    }
}

void TComponent::LoadedComponents()
{
    for (std::size_t i = 0; i < components.size(); ++i) {
        TComponent* component = components[i];
        if (component->IsLoading())
            component->Loaded();
        component->LoadedComponents();
    }
}

void TComponent::Insert(TComponent* component)
{
    components.push_back(component);
    component->currentOwner = this;
}

void TComponent::Remove(TComponent* component)
{
    const auto found = std::find(components.begin(), components.end(), component);
    if (found != components.end())
        components.erase(found);
    component->currentOwner = nullptr;
}

} // namespace orvane::framework
