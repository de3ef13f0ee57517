// The manual pages say the categories in prose and lists of their own;
// walked from the descriptor, every category must be there, so that a new
// one is not forgotten.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "units/catalogue.h"

namespace {

std::string Page(const char* name) {
  std::ifstream file(std::string(ZURMET_SOURCE_DIR) + "/packaging/man/" + name);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The text of a page from a line that starts with start to the next line
// that starts with end.
std::string Part(const std::string& page, const std::string& start, const std::string& end) {
  const std::size_t from = page.find("\n" + start);
  if (from == std::string::npos) return {};
  const std::size_t to = page.find("\n" + end, from + 1);
  return page.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TEST(Manual, TheCommandLinePageNamesEveryCategory) {
  const std::string page = Page("zurmet-convert.1.in");
  ASSERT_FALSE(page.empty());
  const std::string description = Part(page, ".SH DESCRIPTION", ".PP");
  const std::string category = Part(page, ".BI \\-\\-category", ".TP");
  const std::string batch = Part(page, ".B category", ".TP");
  ASSERT_FALSE(description.empty() || category.empty() || batch.empty());
  for (const units::CategoryInfo& info : units::AllCategories()) {
    SCOPED_TRACE(std::string(info.Name));
    const std::string name(info.Name);
    EXPECT_NE(batch.find(std::to_string(static_cast<int>(info.Id)) + " " + name), std::string::npos)
        << "BATCH FORMAT, category";
    if (!info.Measured) continue;
    EXPECT_NE(description.find(Lowered(name)), std::string::npos) << "DESCRIPTION";
    // A name of two words is quoted, to be set in bold as one.
    EXPECT_TRUE(category.find(" " + name) != std::string::npos ||
                category.find(" \"" + name + "\"") != std::string::npos)
        << "--category";
  }
}

// The window's page names its selectors, and no category the window does
// not show.
TEST(Manual, TheWindowPageNamesEverySelector) {
  const std::string page = Page("zurmet.1.in");
  const std::string bar = Part(page, "Pick one in the bar at the top", ".");
  ASSERT_FALSE(bar.empty());
  for (const units::CategoryInfo& info : units::AllCategories()) {
    if (info.InWindow) {
      EXPECT_NE(bar.find(std::string(info.Caption)), std::string::npos) << info.Caption;
    } else {
      EXPECT_EQ(bar.find(std::string(info.Caption)), std::string::npos) << info.Caption;
    }
  }
}

}  // namespace
