// CSV rows as RFC 4180 writes them.
#include "reports/csv_text.h"

#include <gtest/gtest.h>

namespace yl::reports {
namespace {

TEST(CsvRow, QuotesOnlyWhatNeedsItAndEndsWithCrLf) {
  struct Case {
    std::string_view field;
    std::string_view written;
  };
  const Case cases[] = {
      {"Lions", "Lions"},
      {"", ""},
      {"Smith, Jr.", "\"Smith, Jr.\""},
      {"The \"Bus\"", "\"The \"\"Bus\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {"cr\ronly", "\"cr\ronly\""},
      {"lf\nonly", "\"lf\nonly\""},
      {"semi;colon 'single'", "semi;colon 'single'"},
  };
  for (const Case& c : cases) {
    CsvRow row;
    EXPECT_EQ(row.Text(c.field).Integer(-3).Finish(), std::string(c.written) + ",-3\r\n")
        << c.field;
  }
  CsvRow row;
  EXPECT_EQ(row.Empty().MacRoman("Bears\xC9").Decimal(2.345, 1).Decimal(7, 0).Finish(),
            ",Bears\xE2\x80\xA6,2.3,7\r\n");
  // A finished row starts the next one afresh.
  EXPECT_EQ(row.Integer(1).Finish(), "1\r\n");
}

}  // namespace
}  // namespace yl::reports
