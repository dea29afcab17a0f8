// The shared table layout: measured widths, header words right-aligned over
// their columns with the table's separator after them, and the title rule.
#include "reports/table_layout.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"
#include "reports/report_text.h"

namespace yl::reports {
namespace {

using TableLayoutTest = test::ReportFixture;

TEST_F(TableLayoutTest, HeaderWordsAreAlignedOverTheirColumns) {
  TableLayout layout("Team", 4, 1, {"AB", "C"}, 2);
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
