#include "core/puzzle/WebAddresses.h"

namespace orvane {

namespace {

constexpr std::string_view Scheme = "http://";
constexpr std::string_view PrintPath = "/j/printsudoku.php";
constexpr std::string_view PrintQueryKey = "tm";

} // namespace

std::string PrintAddress(std::string_view givensText)
{
    std::string address(Scheme);
    address += PrintHost;
    address += PrintPath;
    address += '?';
    address += PrintQueryKey;
    address += '=';
    address += givensText;
    return address;
}

std::string ProductSiteAddress() { return std::string(Scheme) + std::string(ProductSiteHost); }

std::string VisitCaption() { return "Visit " + std::string(ProductSiteHost); }

} // namespace orvane
