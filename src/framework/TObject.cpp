#include "framework/TObject.h"

#include "framework/PublishedProperties.h"

#include "framework/WideText.h"

namespace orvane::framework {

const TClassInfo TObject::ClassInfo{L"TObject", nullptr, {}};

bool ClassInheritsFrom(const TClassInfo& descendant, const TClassInfo& ancestor)
{
    for (const TClassInfo* info = &descendant; info; info = info->Parent)
        if (info == &ancestor)
            return true;
    return false;
}

bool ClassInheritsFrom(const TClassInfo& descendant, std::wstring_view ancestorName)
{
    for (const TClassInfo* info = &descendant; info; info = info->Parent)
        if (SameText(info->Name, ancestorName))
            return true;
    return false;
}

bool TObject::InheritsFrom(const TClassInfo& ancestor) const { return ClassInheritsFrom(ClassType(), ancestor); }

bool TObject::InheritsFrom(std::wstring_view ancestorName) const
{
    return ClassInheritsFrom(ClassType(), ancestorName);
}

} // namespace orvane::framework
