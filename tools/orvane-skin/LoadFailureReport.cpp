#include "LoadFailureReport.h"

#include "core/skinpackage/SkinReadError.h"

namespace orvane {

void ReportLoadFailure(const std::filesystem::path& package, const Exception& error, std::ostream& errors)
{
    errors << error.what() << '\n';
    const auto* readError = dynamic_cast<const SkinReadError*>(&error);
    if (readError == nullptr)
        return;
    errors << "orvane-skin: cannot load " << package.string() << ": "
           << DescribeSkinReadFailure(readError->Failure());
    if (!readError->Detail().empty())
        errors << " (" << readError->Detail() << ")";
    errors << '\n';
}

} // namespace orvane
