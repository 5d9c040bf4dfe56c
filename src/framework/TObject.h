#pragma once

#include <span>
#include <string_view>

namespace orvane::framework {

struct TPropertyInfo;

// The identity of a framework class: its name, its base class and the
// properties it publishes. Framework windows register their window class
// under the class name, so a window's class name names its control class.
struct TClassInfo {
    const wchar_t* Name;
    const TClassInfo* Parent;
    std::span<const TPropertyInfo> Properties;
};

// The root of every framework class. Each class declares a static ClassInfo
// and returns it from ClassType, so that code that does not know a class can
// still ask for its name, its ancestry and its published properties.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo ClassInfo;
    virtual const TClassInfo& ClassType() const { return ClassInfo; }

    std::wstring_view ClassName() const { return ClassType().Name; }

    // True when this object's class is `ancestor` or derives from it.
    bool InheritsFrom(const TClassInfo& ancestor) const;
    // The same by class name, compared without regard to case.
    bool InheritsFrom(std::wstring_view ancestorName) const;
};

// The object as a `Target` when its class identity says it is one, else null.
// The framework's class identity is the one test of a class: a class made
// without ClassInfo of its own answers as its nearest ancestor that has one.
template <class Target>
Target* As(TObject* object)
{
    return object && object->InheritsFrom(Target::ClassInfo) ? static_cast<Target*>(object) : nullptr;
}

template <class Target>
const Target* As(const TObject* object)
{
    return object && object->InheritsFrom(Target::ClassInfo) ? static_cast<const Target*>(object) : nullptr;
}

// True when `descendant` is `ancestor` or derives from it.
bool ClassInheritsFrom(const TClassInfo& descendant, const TClassInfo& ancestor);
bool ClassInheritsFrom(const TClassInfo& descendant, std::wstring_view ancestorName);

} // namespace orvane::framework
