// Report value texts: FormatDecimal's rounding on the generated digit, zero
// divisors, the report buffer's block boundary and a failed write.
#include "reports/report_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "reports/report_fixture.h"
#include "run/file_layer.h"
#include "support/fatal_alert.h"

namespace yl::reports {
namespace {

struct DecimalCase {
  double value;
  int decimals;
  const char* text;
};

class FormatDecimalTest : public testing::TestWithParam<DecimalCase> {};

TEST_P(FormatDecimalTest, RoundsHalfUpOnTheGeneratedDigit) {
  EXPECT_EQ(FormatDecimal(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatDecimalTest,
                         testing::Values(
                             // Carries through 9s and into a new leading 1.
                             DecimalCase{0.9996, 3, "1.000"}, DecimalCase{9.996, 2, "10.00"},
                             DecimalCase{99.96, 1, "100.0"}, DecimalCase{-9.96, 1, "-10.0"},
                             // The double nearest 0.995 lies below it: the generated digit is 4.
                             DecimalCase{0.995, 2, "0.99"},
                             // 0.15 * 10 is exactly 1.5 in double precision; printf would give 0.1.
                             DecimalCase{0.15, 1, "0.2"}, DecimalCase{0.125, 2, "0.13"},
                             DecimalCase{41.25, 1, "41.3"}, DecimalCase{2.0 / 3.0, 2, "0.67"},
                             // Negative values keep their sign in front of the whole part.
                             DecimalCase{-2.5, 1, "-2.5"}, DecimalCase{-0.25, 1, "-0.3"},
                             DecimalCase{-0.25, 2, "-0.25"},
                             // Exactly the asked number of digits.
                             DecimalCase{0.5, 2, "0.50"}, DecimalCase{12.345, 1, "12.3"},
                             DecimalCase{0.0, 2, "0.00"}, DecimalCase{7.0, 3, "7.000"},
                             // No report value is undefined or infinite; such a value
                             // prints as 0 rather than running the digit loop wild.
                             DecimalCase{std::nan(""), 2, "0.00"},
                             DecimalCase{HUGE_VAL, 1, "0.0"}));

TEST(RatioText, AZeroDivisorGivesTheFixedTextWithoutDividing) {
  EXPECT_EQ(RatioText(45.0, 0, 2), "0.00");
  EXPECT_EQ(RatioText(-7.0, 0, 1), "0.0");
  EXPECT_EQ(PercentText(5, 0), "0.00");
  EXPECT_EQ(RatioText(-3.0, 2, 1), "-1.5");
  // A 62.5 percent rate prints as 62.50, not 0.63.
  EXPECT_EQ(PercentText(5, 8), "62.50");
}

using ReportBufferTest = test::ReportFixture;

TEST_F(ReportBufferTest, ATextThatWouldFillTheBlockGoesToTheNextOne) {
  const std::string held(1020, 'a');
  WriteString(*out, held);
  WriteString(*out, "0123456789");
  // The 1020 held bytes went out first; the 10 bytes start the next block.
  EXPECT_EQ(test::ReadFileBytes(files.current.HiddenPath()), held);
  EXPECT_EQ(out->buffer.fill, 10u);
  EXPECT_EQ(Output(), held + "0123456789");
}

TEST_F(ReportBufferTest, ATextLongerThanTheBlockIsWrittenThroughWhole) {
  std::string text;
  for (int i = 0; i < 700; ++i)
    text += std::to_string(i) + ",";
  ASSERT_GT(text.size(), 2 * kReportBufferSize);
  WriteString(*out, "x");
  WriteString(*out, text);
  EXPECT_EQ(Output(), "x" + text);
}

TEST_F(ReportBufferTest, AFailedWriteIsFatalNotALostBlock) {
  // The report file reopened for reading only: writing to it fails.
  ASSERT_FALSE(fileSystem.OpenToRead(files.current.HiddenPath(), files.current.file()));
  WriteString(*out, "a block of the report");
  EXPECT_EQ(test::FatalMessage([&] { FlushWriteBuffer(*out); }),
            "FSWrite error: WriteGameStats  Couldn't write to file.  " + files.currentPath +
                ": Bad file descriptor");
}

}  // namespace
}  // namespace yl::reports
