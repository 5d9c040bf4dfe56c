#include "framework/TMessageLayers.h"

#include <algorithm>

namespace orvane::framework {

namespace {

// Identities are never reused, so a handle can never take out another's layer.
TMessageLayers::TLayerId nextLayerId = 1;

} // namespace

TMessageLayers::TLayerId TMessageLayers::Add(TLayer layer)
{
    const TLayerId id = nextLayerId++;
    slots.push_back(TSlot{id, std::make_shared<const TLayer>(std::move(layer))});
    return id;
}

void TMessageLayers::Remove(TLayerId id)
{
    for (TSlot& slot : slots)
        if (slot.id == id)
            slot.layer.reset();
    if (running == 0)
        FreeRemovedSlots();
}

bool TMessageLayers::Empty() const
{
    return std::none_of(slots.begin(), slots.end(), [](const TSlot& slot) { return slot.layer != nullptr; });
}

void TMessageLayers::Dispatch(TMessage& message, const TBottom& bottom)
{
    CallBelow(slots.size(), message, bottom);
}

void TMessageLayers::CallBelow(std::size_t index, TMessage& message, const TBottom& bottom)
{
    // Slots are only freed when no message is under way, so the indexes of
    // the layers a message is passing through stay put.
    ++running;
    struct TDone {
        TMessageLayers& layers;
        ~TDone()
        {
            if (--layers.running == 0)
                layers.FreeRemovedSlots();
        }
    } done{*this};
    while (index > 0) {
        --index;
        // A copy, so the layer lives on while it runs even if it takes itself out.
        const std::shared_ptr<const TLayer> layer = slots[index].layer;
        if (!layer)
            continue;
        (*layer)(message, TNext(*this, index, bottom));
        return;
    }
    bottom(message);
}

void TMessageLayers::FreeRemovedSlots()
{
    slots.erase(std::remove_if(slots.begin(), slots.end(), [](const TSlot& slot) { return !slot.layer; }),
                slots.end());
}

TMessageLayerHandle& TMessageLayerHandle::operator=(TMessageLayerHandle&& other) noexcept
{
    if (this != &other) {
        Remove();
        layers = std::move(other.layers);
        id = other.id;
        other.layers.reset();
    }
    return *this;
}

void TMessageLayerHandle::Remove()
{
    if (const auto stack = layers.lock())
        stack->Remove(id);
    layers.reset();
}

} // namespace orvane::framework
