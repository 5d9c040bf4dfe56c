#include "framework/PublishedProperties.h"

#include "framework/WideText.h"

namespace orvane::framework {

namespace {


bool ValueFitsKind(const TPropertyValue& value, TPropertyKind kind)
{
    switch (kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Color:
    case TPropertyKind::Enumeration:
        return std::holds_alternative<std::int32_t>(value);
    case TPropertyKind::Boolean:
        return std::holds_alternative<bool>(value);
    case TPropertyKind::String:
        return std::holds_alternative<std::wstring>(value);
    case TPropertyKind::Object:
        return std::holds_alternative<TObject*>(value);
    }
    return false;
}

} // namespace

const TPropertyInfo* FindProperty(const TObject& object, std::wstring_view name)
{
    for (const TClassInfo* info = &object.ClassType(); info; info = info->Parent)
        for (const TPropertyInfo& property : info->Properties)
            if (SameText(property.Name, name))
                return &property;
    return nullptr;
}

bool HasProperty(const TObject& object, std::wstring_view name) { return FindProperty(object, name) != nullptr; }

std::optional<TPropertyValue> GetPropertyValue(const TObject& object, std::wstring_view name)
{
    const TPropertyInfo* property = FindProperty(object, name);
    if (!property || !property->Get)
        return std::nullopt;
    return property->Get(object);
}

bool SetPropertyValue(TObject& object, std::wstring_view name, const TPropertyValue& value)
{
    const TPropertyInfo* property = FindProperty(object, name);
    if (!property || !property->Set || !ValueFitsKind(value, property->Kind))
        return false;
    property->Set(object, value);
    return true;
}

std::optional<std::int32_t> GetIntegerProperty(const TObject& object, std::wstring_view name)
{
    const std::optional<TPropertyValue> value = GetPropertyValue(object, name);
    if (!value || !std::holds_alternative<std::int32_t>(*value))
        return std::nullopt;
    return std::get<std::int32_t>(*value);
}

std::optional<bool> GetBooleanProperty(const TObject& object, std::wstring_view name)
{
    const std::optional<TPropertyValue> value = GetPropertyValue(object, name);
    if (!value || !std::holds_alternative<bool>(*value))
        return std::nullopt;
    return std::get<bool>(*value);
}

TObject* GetObjectProperty(const TObject& object, std::wstring_view name)
{
    const std::optional<TPropertyValue> value = GetPropertyValue(object, name);
    if (!value || !std::holds_alternative<TObject*>(*value))
        return nullptr;
    return std::get<TObject*>(*value);
}

} // namespace orvane::framework
