// The texts of report values (whole numbers, fractions, ratios whose divisor
// may be zero) and the small writers of padding and alignment that every
// report table uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "reports/report_buffer.h"

namespace yl::reports {

// The value with exactly `decimals` digits after the point (0 to 255). One
// digit more is generated in double precision and rounds the last kept digit
// half up, carrying through 9s: 0.15 with 1 decimal gives "0.2", 9.996 with 2
// gives "10.00", -2.5 with 1 gives "-2.5".
std::string FormatDecimal(double value, int decimals);
// The longest text FormatDecimal gives with `decimals` (0 to 255) decimals:
// a sign, a whole part of up to 400 digits (a double's largest has 309),
// the point and the decimals.
constexpr std::size_t DecimalRoom(int decimals) {
  return 1 + 400 + 1 + static_cast<std::size_t>(decimals);
}
// The same text written at `dest`, which has DecimalRoom(decimals) bytes;
// returns its end.
char* FormatDecimalInto(char* dest, double value, int decimals);

// "%d" of a count.
std::string IntegerText(std::int64_t value);

// numerator / divisor with the given decimals; a zero divisor is never
// divided by and gives "0.0", "0.00", ... instead.
std::string RatioText(double numerator, std::int64_t divisor, int decimals);

// numerator × 100 / divisor with 2 decimals, "0.00" for a zero divisor.
std::string PercentText(std::int64_t numerator, std::int64_t divisor);

// Two counts joined by "/" ("12/20").
std::string PairText(std::int64_t first, std::int64_t second);

void WriteBlanks(ReportOutput& out, std::int64_t count);
void WriteDashes(ReportOutput& out, std::int64_t count);
// (width − length) blanks, then the text.
void WriteRightAligned(ReportOutput& out, std::string_view text, std::int64_t width);
// The text, then blanks up to the width.
void WriteLeftAligned(ReportOutput& out, std::string_view text, std::int64_t width);
// The line end of the run's file format, once or twice.
void EndLine(ReportOutput& out);
void EndLineTwice(ReportOutput& out);

}  // namespace yl::reports
