#include "core/puzzle/WebAddresses.h"

#include "core/puzzle/PuzzlePosition.h"
#include "FixedSeed.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// The print page gets the givens row by row, "0" for every open cell; the
// host is the print server, not the product site.
TEST(WebAddresses, PrintAddressCarriesTheGivensRowByRow)
{
    PuzzlePosition position;
    position.Node(2, 1).given = true; // row 1, column 2: character 2 of the givens text
    position.Node(2, 1).solution = 7;
    position.Node(1, 2).given = true; // row 2, column 1: character 10
    position.Node(1, 2).solution = 3;
    position.Node(9, 9).solution = 5; // open: "0"
    const std::string givens = "07" + std::string(7, '0') + "3" + std::string(71, '0');
    EXPECT_EQ(PrintAddress(position.GivensText()), "http://print.orvane.net/j/printsudoku.php?tm=" + givens);
}

TEST(WebAddresses, VisitNamesTheSiteItOpens)
{
    EXPECT_EQ(ProductSiteAddress(), "http://www.orvane.net");
    EXPECT_EQ(VisitCaption(), "Visit www.orvane.net");
}

} // namespace
} // namespace orvane
