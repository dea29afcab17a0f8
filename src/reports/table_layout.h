// The shared layout of the report tables: a left-aligned name column and
// right-aligned value columns whose widths are measured over the rows before
// anything is written, a title lengthened with "-" to the table's width, a
// header line, a rule, the rows and an empty line.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "reports/report_buffer.h"

namespace yl::reports {

// A label centred over a run of adjacent value columns (the group line).
struct ColumnGroup {
  std::string_view label;
  std::size_t firstColumn;
  std::size_t columnCount;
};

class TableLayout {
 public:
  // nameGap blanks follow the name column; `separator` blanks follow every
  // value column but the last. A value column is at least as wide as its
  // header word.
  TableLayout(std::string_view nameHeader, std::int32_t nameMinimum, std::int32_t nameGap,
              std::vector<std::string_view> headers, std::int32_t separator);

  // Measure pass: widen the name column or a value column to fit.
  void MeasureName(std::int64_t length);
  void MeasureValue(std::size_t column, std::string_view text);

  std::int64_t NameWidth() const { return nameWidth_; }
  std::int64_t ColumnWidth(std::size_t column) const { return widths_[column]; }
  // Where a value column starts on the line.
  std::int64_t ColumnStart(std::size_t column) const;
  std::int64_t TotalWidth() const;
  std::int32_t Separator() const { return separator_; }

  // The title, lengthened with "-" to the total width when that is longer.
  void WriteTitle(ReportOutput& out, std::string_view title) const;
  // The group line: each label starts where it is centred over its group's
  // columns and separators (the remainder dropped); a label that would start
  // before the end of the previous one follows it.
  void WriteGroupLine(ReportOutput& out, std::span<const ColumnGroup> groups) const;
  // The header line, each word right-aligned over its column and followed by
  // the separator, and the rule.
  void WriteHeader(ReportOutput& out) const;
  // The same with a name-column header built by the caller (blanks pad it to
  // the first value column).
  void WriteHeader(ReportOutput& out, std::string_view nameHeader) const;
  // The name cell as written, then blanks up to the first value column.
  void WriteName(ReportOutput& out, std::string_view cell) const;
  // The value right-aligned in its column, then the separator unless last.
  void WriteValue(ReportOutput& out, std::size_t column, std::string_view text) const;

 private:
  std::string_view nameHeader_;
  std::int64_t nameWidth_;
  std::int32_t nameGap_;
  std::vector<std::string_view> headers_;
  std::vector<std::int64_t> widths_;
  std::int32_t separator_;
};

}  // namespace yl::reports
