#pragma once

#include "framework/TObject.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvane::framework {

// What a published property holds. Colours and enumerations travel as
// integers; object properties (Font, Images) as a pointer.
enum class TPropertyKind { Integer, Boolean, Color, Enumeration, String, Object };

using TPropertyValue = std::variant<std::monostate, std::int32_t, bool, std::wstring, TObject*>;

// One entry of a class's table of published properties: name, kind and typed
// access through plain functions, so that code that does not know the class
// (the skin engine) can test for a property and read or write it.
struct TPropertyInfo {
    const wchar_t* Name;
    TPropertyKind Kind;
    TPropertyValue (*Get)(const TObject& object);
    void (*Set)(TObject& object, const TPropertyValue& value); // null: read-only
};

// The property of that name (case-insensitive), searched from the object's
// class up to TObject, so that a class may republish a base's property.
const TPropertyInfo* FindProperty(const TObject& object, std::wstring_view name);
bool HasProperty(const TObject& object, std::wstring_view name);

// Reads a property; nothing when the class publishes none of that name.
std::optional<TPropertyValue> GetPropertyValue(const TObject& object, std::wstring_view name);

// Writes a property. False when there is none of that name, it is read-only,
// or the value has the wrong type.
bool SetPropertyValue(TObject& object, std::wstring_view name, const TPropertyValue& value);

// Typed reads for the common kinds; nothing when the property is missing or
// of another type.
std::optional<std::int32_t> GetIntegerProperty(const TObject& object, std::wstring_view name);
std::optional<bool> GetBooleanProperty(const TObject& object, std::wstring_view name);
TObject* GetObjectProperty(const TObject& object, std::wstring_view name);

// Builders of table entries from a class's getter and setter:
//   PublishedInteger<TControl, &TControl::Left, &TControl::SetLeft>(L"Left")
template <class T, auto Getter, auto Setter = nullptr>
constexpr TPropertyInfo PublishedValue(const wchar_t* name, TPropertyKind kind)
{
    TPropertyInfo info{name, kind, nullptr, nullptr};
    info.Get = [](const TObject& object) -> TPropertyValue {
        const auto value = (static_cast<const T&>(object).*Getter)();
        using Value = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<Value, bool>)
            return value;
        else if constexpr (std::is_convertible_v<Value, std::wstring>)
            return std::wstring(value);
        else if constexpr (std::is_pointer_v<Value>)
            return static_cast<TObject*>(value);
        else
            return static_cast<std::int32_t>(value);
    };
    if constexpr (Setter != nullptr) {
        info.Set = [](TObject& object, const TPropertyValue& value) {
            T& target = static_cast<T&>(object);
            using Argument = std::decay_t<decltype((static_cast<const T&>(object).*Getter)())>;
            if constexpr (std::is_same_v<Argument, bool>) {
                if (const bool* flag = std::get_if<bool>(&value))
                    (target.*Setter)(*flag);
            } else if constexpr (std::is_convertible_v<Argument, std::wstring>) {
                if (const std::wstring* text = std::get_if<std::wstring>(&value))
                    (target.*Setter)(*text);
            } else if constexpr (std::is_pointer_v<Argument>) {
                if (TObject* const* pointer = std::get_if<TObject*>(&value))
                    (target.*Setter)(As<std::remove_pointer_t<Argument>>(*pointer));
            } else {
                if (const std::int32_t* number = std::get_if<std::int32_t>(&value))
                    (target.*Setter)(static_cast<Argument>(*number));
            }
        };
    }
    return info;
}

} // namespace orvane::framework
