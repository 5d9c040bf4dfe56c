#pragma once

#include "framework/Messages.h"

#include <functional>
#include <memory>
#include <vector>

namespace orvane::framework {

// Procedures stacked in front of a message handler. The top layer sees a
// message first and hands it on with `next` (to the layer below it, and
// from the lowest to the handler itself), or keeps it.
//
// Layers are added on top and taken out in any order, each taking out
// exactly itself, also while a message is passing through them: a layer that
// was taken out hears no further message, and its slot is freed once no
// message is under way.
class TMessageLayers {
public:
    class TNext;
    using TLayer = std::function<void(TMessage& message, const TNext& next)>;
    using TBottom = std::function<void(TMessage& message)>;
    using TLayerId = unsigned long long;

    // What a layer calls to hand the message on; valid while the layer
    // handles the message.
    class TNext {
    public:
        void operator()(TMessage& message) const { layers.CallBelow(index, message, bottom); }

    private:
        friend class TMessageLayers;
        TNext(TMessageLayers& stack, std::size_t below, const TBottom& handler)
            : layers(stack), index(below), bottom(handler)
        {
        }
        TMessageLayers& layers;
        std::size_t index; // the layers below this one are [0, index)
        const TBottom& bottom;
    };

    TLayerId Add(TLayer layer);
    void Remove(TLayerId id);
    bool Empty() const;

    // Passes the message through the layers, top first, and then to `bottom`.
    void Dispatch(TMessage& message, const TBottom& bottom);

private:
    struct TSlot {
        TLayerId id;
        std::shared_ptr<const TLayer> layer; // null once taken out
    };

    void CallBelow(std::size_t index, TMessage& message, const TBottom& bottom);
    void FreeRemovedSlots();

    std::vector<TSlot> slots;
    int running = 0;
};

// Owns one layer on a stack and takes exactly that layer out when it goes.
// It may outlive the stack: then there is nothing to take out.
class TMessageLayerHandle {
public:
    TMessageLayerHandle() = default;
    TMessageLayerHandle(std::weak_ptr<TMessageLayers> onLayers, TMessageLayers::TLayerId layerId)
        : layers(std::move(onLayers)), id(layerId)
    {
    }
    ~TMessageLayerHandle() { Remove(); }
    TMessageLayerHandle(TMessageLayerHandle&& other) noexcept
        : layers(std::move(other.layers)), id(other.id)
    {
        other.layers.reset();
    }
    TMessageLayerHandle& operator=(TMessageLayerHandle&& other) noexcept;
    TMessageLayerHandle(const TMessageLayerHandle&) = delete;
    TMessageLayerHandle& operator=(const TMessageLayerHandle&) = delete;

    void Remove();
    // Whether the layer is still on its stack.
    bool Active() const { return !layers.expired(); }

private:
    std::weak_ptr<TMessageLayers> layers;
    TMessageLayers::TLayerId id = 0;
};

} // namespace orvane::framework
