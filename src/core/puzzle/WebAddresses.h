#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The product's web hosts, here and nowhere else: the product site that Visit
// opens and whose name the Visit menu item shows, and the server of the
// printable puzzle pages.
constexpr std::string_view ProductSiteHost = "www.orvane.net";
constexpr std::string_view PrintHost = "print.orvane.net";

// The printable page of a puzzle: the givens text (digits only) goes into the
// query as it is.
std::string PrintAddress(std::string_view givensText);

// The home page of the product site.
std::string ProductSiteAddress();

// The caption of the Visit menu item: "Visit " and the site's host.
std::string VisitCaption();

} // namespace orvane
