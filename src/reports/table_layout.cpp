// The shared layout of the report tables.
#include "reports/table_layout.h"

#include <algorithm>
#include <utility>

#include "reports/report_buffer.h"
#include "reports/report_text.h"

namespace yl::reports {

TableLayout::TableLayout(std::string_view nameHeader, std::int32_t nameMinimum,
                         std::int32_t nameGap, std::vector<std::string_view> headers,
                         std::int32_t separator)
    : nameHeader_(nameHeader),
      nameWidth_(nameMinimum),
      nameGap_(nameGap),
      headers_(std::move(headers)),
      separator_(separator) {
  widths_.reserve(headers_.size());
  for (const std::string_view header : headers_)
    widths_.push_back(static_cast<std::int64_t>(header.size()));
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
  for (std::size_t i = 0; i < headers_.size(); ++i)
    WriteValue(out, i, headers_[i]);
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
