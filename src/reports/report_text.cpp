// Value texts and alignment writers of the report tables.
#include "reports/report_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "reports/report_buffer.h"

namespace yl::reports {

namespace {

constexpr int kMaxDecimals = 255;  // one more digit is generated: at most 256

}  // namespace

char* FormatDecimalInto(char* dest, double value, int decimals) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  // No report value is infinite or undefined; keep the digit loop defined anyway.
  if (!std::isfinite(value)) value = 0.0;
  const bool negative = value < 0.0;
  const double magnitude = negative ? -value : value;
  const double whole = std::trunc(magnitude);

  // The digits are made in place, with a spare place in front for a carry
  // out of the first digit: the whole part, the point, and one decimal more
  // than asked for, which rounds the rest.
  constexpr std::size_t kWholeRoom = DecimalRoom(0) - 2;
  char digits[1 + kWholeRoom + 1 + kMaxDecimals + 1];
  char* const first = digits + 1;
  // The whole part's digits; below 2^53 it is an exact integer, written
  // without the cost of a formatted print.
  char* end =
      whole < 9007199254740992.0
          ? std::to_chars(first, first + kWholeRoom, static_cast<std::int64_t>(whole)).ptr
          : std::to_chars(first, first + kWholeRoom, whole, std::chars_format::fixed, 0).ptr;
  *end++ = '.';
  double fraction = magnitude - whole;
  for (int i = 0; i <= decimals; ++i) {
    const double product = fraction * 10.0;
    // A fraction just below 1 can round up to 10 when multiplied.
    const int digit = std::min(static_cast<int>(product), 9);
    *end++ = static_cast<char>('0' + digit);
    fraction = product - digit;
  }
  const char last = *--end;
  char* start = first;
  if (last >= '5') {
    // Adds one to the last digit, walking left over 9s and the point; a carry
    // out of the first digit puts a "1" in front.
    for (char* c = end;;) {
      if (c == first) {
        *--start = '1';
        break;
      }
      --c;
      if (*c == '.') continue;
      if (*c == '9') {
        *c = '0';
        continue;
      }
      ++*c;
      break;
    }
  }
  if (negative) *dest++ = '-';
  const auto size = static_cast<std::size_t>(end - start);
  std::memcpy(dest, start, size);
  return dest + size;
}

std::string FormatDecimal(double value, int decimals) {
  char text[DecimalRoom(kMaxDecimals)];
  return std::string(text, FormatDecimalInto(text, value, decimals));
}

std::string IntegerText(std::int64_t value) {
  return std::to_string(value);
}

std::string RatioText(double numerator, std::int64_t divisor, int decimals) {
  if (divisor == 0) return decimals > 0 ? "0." + std::string(decimals, '0') : "0";
  return FormatDecimal(numerator / static_cast<double>(divisor), decimals);
}

std::string PercentText(std::int64_t numerator, std::int64_t divisor) {
  return RatioText(static_cast<double>(numerator) * 100.0, divisor, 2);
}

std::string PairText(std::int64_t first, std::int64_t second) {
  return IntegerText(first) + "/" + IntegerText(second);
}

void WriteBlanks(ReportOutput& out, std::int64_t count) {
  static constexpr std::string_view kBlanks = "                                ";
  while (count > 0) {
    const auto take = std::min<std::int64_t>(count, kBlanks.size());
    WriteString(out, kBlanks.substr(0, static_cast<std::size_t>(take)));
    count -= take;
  }
}

void WriteDashes(ReportOutput& out, std::int64_t count) {
  static constexpr std::string_view kDashes = "--------------------------------";
  while (count > 0) {
    const auto take = std::min<std::int64_t>(count, kDashes.size());
    WriteString(out, kDashes.substr(0, static_cast<std::size_t>(take)));
    count -= take;
  }
}

void WriteRightAligned(ReportOutput& out, std::string_view text, std::int64_t width) {
  WriteBlanks(out, width - static_cast<std::int64_t>(text.size()));
  WriteString(out, text);
}

void WriteLeftAligned(ReportOutput& out, std::string_view text, std::int64_t width) {
  WriteString(out, text);
  WriteBlanks(out, width - static_cast<std::int64_t>(text.size()));
}

void EndLine(ReportOutput& out) {
  WriteString(out, out.lineEnd);
}

void EndLineTwice(ReportOutput& out) {
  WriteString(out, out.doubleLineEnd);
}

}  // namespace yl::reports
