// The shared table layout: measured widths, header words right-aligned over
// their columns with the separator they carry, and the title rule.
#include "reports/table_layout.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"
#include "reports/report_text.h"

namespace yl::reports {
namespace {

using TableLayoutTest = test::ReportFixture;

constexpr TableColumn kColumns[] = {{"AB  ", 2}, {"C", 1}};

TEST_F(TableLayoutTest, HeaderWordsAreAlignedWithoutTheirSeparator) {
  TableLayout layout("Team", 4, 1, kColumns, 2);
  layout.MeasureName(6);
  layout.MeasureValue(0, "1234");
  layout.MeasureValue(1, "5");
  EXPECT_EQ(layout.TotalWidth(), 14);
  layout.WriteTitle(*out, "---T");
  layout.WriteTitle(*out, "---A Very Long Title");
  layout.WriteHeader(*out);
  layout.WriteName(*out, "Ann");
  layout.WriteValue(*out, 0, "1234");
  layout.WriteValue(*out, 1, "5");
  EndLine(*out);
  EXPECT_EQ(Output(), test::Lines({
                          "---T----------",
                          "---A Very Long Title",
                          "Team     AB  C",
                          "--------------",
                          "Ann    1234  5",
                      }));
}

}  // namespace
}  // namespace yl::reports
