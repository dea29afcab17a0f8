// CSV rows.
#include "reports/csv_text.h"

#include <charconv>
#include <cstdio>

#include "run/mac_roman.h"

namespace yl::reports {

void CsvRow::Separate() {
  if (!first_) line_ += ',';
  first_ = false;
}

CsvRow& CsvRow::Text(std::string_view text) {
  Separate();
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    line_ += text;
    return *this;
  }
  line_ += '"';
  for (const char c : text) {
    if (c == '"') line_ += '"';
    line_ += c;
  }
  line_ += '"';
  return *this;
}

CsvRow& CsvRow::MacRoman(std::string_view bytes) {
  return Text(run::MacRomanToUtf8(bytes));
}

CsvRow& CsvRow::Integer(std::int64_t value) {
  Separate();
  line_ += std::to_string(value);
  return *this;
}

CsvRow& CsvRow::Decimal(double value, int decimals) {
  Separate();
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  line_ += text;
  return *this;
}

CsvRow& CsvRow::Real(double value) {
  Separate();
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  line_.append(text, end);
  return *this;
}

CsvRow& CsvRow::Empty() {
  Separate();
  return *this;
}

std::string CsvRow::Finish() {
  std::string row = std::move(line_);
  row += "\r\n";
  line_.clear();
  first_ = true;
  return row;
}

}  // namespace yl::reports
