// The page's titles: a class name with its words apart.

#include "desk/web/WebPage.h"

#include <gtest/gtest.h>

namespace desk {
namespace {

TEST(WebPage, PlainTitlesSplitClassNamesIntoWords) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"PNRCreationFax", "PNR Creation Fax"}, {"PNRCreationFIT", "PNR Creation FIT"},
      {"CreateAddPax", "Create Add Pax"},     {"PNRModifyGrpName", "PNR Modify Grp Name"},
      {"PNRRetrieval", "PNR Retrieval"},      {"", ""},
  };
  for (const auto& [className, title] : cases) EXPECT_EQ(plainTitle(className), title) << className;
  const std::string page = maskPage("abc", "PNRCreationFax");
  EXPECT_NE(page.find("<h1>PNR Creation Fax</h1>"), std::string::npos);
}

}  // namespace
}  // namespace desk
