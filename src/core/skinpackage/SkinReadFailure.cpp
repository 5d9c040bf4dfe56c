#include "core/skinpackage/SkinReadFailure.h"

namespace orvane {

std::string_view DescribeSkinReadFailure(SkinReadFailure failure)
{
    switch (failure) {
    case SkinReadFailure::None: return "no failure";
    case SkinReadFailure::CannotOpen: return "cannot open the package";
    case SkinReadFailure::NotAnArchive: return "not an SK archive";
    case SkinReadFailure::DamagedDirectory: return "damaged archive directory";
    case SkinReadFailure::EntryNotFound: return "entry not found";
    case SkinReadFailure::EmptyEntry: return "empty entry";
    case SkinReadFailure::PasswordNeeded: return "encrypted entry, no password given";
    case SkinReadFailure::WrongPassword: return "wrong password";
    case SkinReadFailure::DamagedData: return "damaged data";
    case SkinReadFailure::BadCrc: return "bad CRC-32";
    case SkinReadFailure::OverLimit: return "over a limit";
    case SkinReadFailure::TemporaryFileFailed: return "temporary file failed";
    case SkinReadFailure::DamagedRecordFile: return "damaged record file";
    case SkinReadFailure::DamagedImage: return "damaged image";
    case SkinReadFailure::OutOfMemory: return "out of memory";
    }
    return "unknown failure";
}

} // namespace orvane
