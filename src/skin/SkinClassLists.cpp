#include "skin/SkinClassLists.h"

#include <windows.h>

namespace orvane::skin {

namespace {

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), int(a.size()), b.data(), int(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

bool TSkinClassList::Contains(std::wstring_view name) const
{
    for (const auto& listed : names)
        if (SameIgnoringCase(listed, name))
            return true;
    return false;
}

void TSkinClassList::Add(std::wstring_view name)
{
    if (!name.empty() && !Contains(name))
        names.emplace_back(name);
}

TSkinClassList& AutoSkinClassNames()
{
    static TSkinClassList list({L"TSelectDirDlg", L"TForm", L"TfrmRegBrowser"});
    return list;
}

TSkinClassList& BorderExclusionClassNames()
{
    static TSkinClassList list({L"TDelphiWizard"});
    return list;
}

TSkinClassList& ControlExclusionClassNames()
{
    static TSkinClassList list({});
    return list;
}

} // namespace orvane::skin
