// Rows of comma-separated values as RFC 4180 has them: fields joined by
// commas, a field quoted when it holds a comma, a quote or a line end (its
// quotes doubled), every row ended by "\r\n".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace yl::reports {

class CsvRow {
 public:
  // A text field, already UTF-8.
  CsvRow& Text(std::string_view text);
  // A text field in Mac OS Roman (names read from transcripts and team
  // files), written as UTF-8.
  CsvRow& MacRoman(std::string_view bytes);
  CsvRow& Integer(std::int64_t value);
  // `decimals` places; used for the figures the reports show rounded.
  CsvRow& Decimal(double value, int decimals);
  // The shortest text that reads back as the same value ("35.5", "40").
  CsvRow& Real(double value);
  CsvRow& Empty();

  // The row with its line end, ready to append to a file's text.
  std::string Finish();

 private:
  void Separate();
  std::string line_;
  bool first_ = true;
};

}  // namespace yl::reports
