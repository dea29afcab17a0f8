// The shared layout of the report tables.
#include "reports/table_layout.h"

#include <algorithm>

#include "reports/report_buffer.h"
#include "reports/report_text.h"

namespace yl::reports {

std::size_t HeaderWordLength(std::string_view header) {
  const std::size_t last = header.find_last_not_of(' ');
  return last == std::string_view::npos ? 0 : last + 1;
}

TableLayout::TableLayout(std::string_view nameHeader, std::int32_t nameMinimum,
                         std::int32_t nameGap, std::span<const TableColumn> columns,
                         std::int32_t separator)
    : nameHeader_(nameHeader),
      nameWidth_(nameMinimum),
      nameGap_(nameGap),
      columns_(columns),
      separator_(separator) {
  widths_.reserve(columns.size());
  for (const TableColumn& column : columns)
    widths_.push_back(column.minimumWidth);
}

void TableLayout::MeasureName(std::int64_t length) {
  nameWidth_ = std::max(nameWidth_, length);
}

void TableLayout::MeasureValue(std::size_t column, std::string_view text) {
  if (column >= widths_.size()) return;
  widths_[column] = std::max<std::int64_t>(widths_[column], text.size());
}

std::int64_t TableLayout::ColumnStart(std::size_t column) const {
  std::int64_t start = nameWidth_ + nameGap_;
  for (std::size_t i = 0; i < column && i < widths_.size(); ++i)
    start += widths_[i] + separator_;
  return start;
}

std::int64_t TableLayout::TotalWidth() const {
  if (widths_.empty()) return nameWidth_ + nameGap_;
  return ColumnStart(widths_.size() - 1) + widths_.back();
}

void TableLayout::WriteTitle(ReportOutput& out, std::string_view title) const {
  WriteString(out, title);
  WriteDashes(out, TotalWidth() - static_cast<std::int64_t>(title.size()));
  EndLine(out);
}

void TableLayout::WriteGroupLine(ReportOutput& out, std::span<const ColumnGroup> groups) const {
  std::int64_t written = 0;
  for (const ColumnGroup& group : groups) {
    const std::size_t last = group.firstColumn + group.columnCount - 1;
    if (group.columnCount == 0 || last >= widths_.size()) continue;
    const std::int64_t first = ColumnStart(group.firstColumn);
    const std::int64_t span = ColumnStart(last) + widths_[last] - first;
    const std::int64_t start = first + (span - static_cast<std::int64_t>(group.label.size())) / 2;
    WriteBlanks(out, start - written);
    WriteString(out, group.label);
    written = std::max(written, start) + static_cast<std::int64_t>(group.label.size());
  }
  EndLine(out);
}

void TableLayout::WriteHeader(ReportOutput& out) const {
  WriteHeader(out, nameHeader_);
}

void TableLayout::WriteHeader(ReportOutput& out, std::string_view nameHeader) const {
  WriteLeftAligned(out, nameHeader, nameWidth_ + nameGap_);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    // The word is aligned without its separator, which then follows it.
    WriteBlanks(out, widths_[i] - static_cast<std::int64_t>(HeaderWordLength(columns_[i].header)));
    WriteString(out, columns_[i].header);
  }
  EndLine(out);
  WriteDashes(out, TotalWidth());
  EndLine(out);
}

void TableLayout::WriteName(ReportOutput& out, std::string_view cell) const {
  WriteLeftAligned(out, cell, nameWidth_ + nameGap_);
}

void TableLayout::WriteValue(ReportOutput& out, std::size_t column, std::string_view text) const {
  if (column >= widths_.size()) return;
  WriteRightAligned(out, text, widths_[column]);
  if (column + 1 < widths_.size()) WriteBlanks(out, separator_);
}

}  // namespace yl::reports
