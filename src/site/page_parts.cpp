// Parts the site's pages share.
#include "site/page_parts.h"

#include <algorithm>

#include "league/stat_fields.h"
#include "reports/report_text.h"
#include "reports/stat_columns.h"

namespace yl::site {

std::string PlayerLabel(const league::PlayerRecord& player) {
  return "#" + std::to_string(player.number) + "-" + player.name;
}

league::PlayerRecord GameRecord(const league::PlayerRecord& player, const SiteGame& game,
                                const GameLine& line) {
  league::PlayerRecord record;
  record.name = player.name;
  record.number = player.number;
  record.position = player.position;
  record.side = player.side;
  record.teamName = line.side == Side::kHome       ? game.home->name
                    : line.side == Side::kVisiting ? game.visiting->name
                                                   : player.teamName;
  record.index = player.index;
  const auto fields = league::PlayerStatFields();
  for (std::uint32_t i = line.first; i < line.first + line.count; ++i) {
    const Figure& figure = game.figures[i];
    fields[figure.field].write(record, figure.value);
  }
  return record;
}

std::string SectionName(const reports::PlayerSection& section) {
  std::string_view title = section.title;
  while (title.starts_with('-'))
    title.remove_prefix(1);
  if (title.ends_with(" Stats")) title.remove_suffix(6);
  return std::string(title);
}

std::string SectionFile(const reports::PlayerSection& section) {
  return Slug(SectionName(section));
}

std::vector<Column> SectionColumns(const reports::PlayerSection& section, std::string_view first,
                                   std::string_view second) {
  std::vector<Column> columns{{std::string(first), {}, false}};
  if (!second.empty()) columns.push_back({std::string(second), {}, false});
  for (std::size_t i = 0; i < section.columns.size(); ++i) {
    std::string title = ColumnTitle(section.columns[i].word);
    // Grouped columns repeat their words: the group says which is which.
    for (const reports::ColumnGroup& group : section.groups) {
      if (i >= group.firstColumn && i < group.firstColumn + group.columnCount)
        title = std::string(group.label) + ": " + title;
    }
    columns.push_back({std::string(section.columns[i].word), title, true});
  }
  return columns;
}

void SectionRow(std::string& out, const reports::PlayerSection& section, std::string_view first,
                const std::string* secondHtml, const league::PlayerRecord& record,
                std::string_view rowClass) {
  out += rowClass.empty() ? "<tr>" : "<tr class=\"" + std::string(rowClass) + "\">";
  HtmlCell(out, first, true);
  if (secondHtml != nullptr) HtmlCell(out, *secondHtml);
  for (const reports::StatColumn& column : section.columns)
    NumberCell(out, column.stat != nullptr ? reports::StatText(*column.stat, record) : "");
  out += "</tr>\n";
}

std::string BarChart(std::string_view description, const std::vector<std::string>& labels,
                     const std::vector<Series>& series) {
  constexpr double kWidth = 600;
  constexpr double kHeight = 220;
  constexpr double kTop = 16;
  constexpr double kBottom = 24;
  constexpr double kLeft = 40;
  const auto number = [](double value) { return reports::FormatDecimal(value, 1); };
  const double groups = static_cast<double>(std::max<std::size_t>(labels.size(), 1));
  const double bars = static_cast<double>(std::max<std::size_t>(series.size(), 1));
  const double slot = (kWidth - kLeft - 8) / groups;
  const double bar = std::min(24.0, slot * 0.8 / bars);
  std::int64_t top = 1;
  for (const Series& one : series)
    for (const std::int64_t value : one.values)
      top = std::max(top, value);
  const double scale = (kHeight - kTop - kBottom) / static_cast<double>(top);
  const double base = kHeight - kBottom;
  std::string svg = "<figure class=\"chart\"><svg class=\"chart\" viewBox=\"0 0 " + number(kWidth) +
                    " " + number(kHeight) + "\" role=\"img\" aria-label=\"" +
                    EscapeUtf8(description) + "\">";
  svg += "<line class=\"axis\" x1=\"" + number(kLeft) + "\" y1=\"" + number(base) + "\" x2=\"" +
         number(kWidth) + "\" y2=\"" + number(base) + "\"/>";
  svg += "<text class=\"label\" x=\"" + number(kLeft - 4) + "\" y=\"" + number(kTop + 4) +
         "\" text-anchor=\"end\">" + std::to_string(top) + "</text>";
  svg += "<text class=\"label\" x=\"" + number(kLeft - 4) + "\" y=\"" + number(base) +
         "\" text-anchor=\"end\">0</text>";
  // Game numbers under the bars: every one when they fit, else every fifth.
  const std::size_t every = slot < 14 ? 5 : 1;
  for (std::size_t g = 0; g < labels.size(); ++g) {
    const double x = kLeft + static_cast<double>(g) * slot + (slot - bar * bars) / 2;
    for (std::size_t b = 0; b < series.size(); ++b) {
      const std::int64_t value = series[b].values[g];
      const double height = static_cast<double>(std::max<std::int64_t>(0, value)) * scale;
      svg += "<rect class=\"" + series[b].cssClass + "\" x=\"" +
             number(x + static_cast<double>(b) * bar) + "\" y=\"" + number(base - height) +
             "\" width=\"" + number(bar * 0.9) + "\" height=\"" + number(height) + "\"><title>" +
             EscapeUtf8(labels[g]) + ": " + EscapeUtf8(series[b].name) + " " +
             std::to_string(value) + "</title></rect>";
    }
    if ((g + 1) % every == 0 || every == 1)
      svg += "<text class=\"label\" x=\"" + number(x + bar * bars / 2) + "\" y=\"" +
             number(kHeight - 6) + "\" text-anchor=\"middle\">" + std::to_string(g + 1) + "</text>";
  }
  svg += "</svg><figcaption>" + EscapeUtf8(description);
  if (series.size() > 1)
    for (const Series& one : series)
      svg += " <span class=\"key " + one.cssClass + "\">" + EscapeUtf8(one.name) + "</span>";
  svg += "</figcaption></figure>\n";
  return svg;
}

std::string ClockText(std::int32_t minutes, std::int32_t seconds) {
  return std::to_string(minutes) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds);
}

}  // namespace yl::site
