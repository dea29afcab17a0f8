// Parts the site's pages share.
#include "site/page_parts.h"

#include <algorithm>

#include "league/stat_fields.h"
#include "reports/report_text.h"
#include "reports/stat_columns.h"

namespace yl::site {

using namespace std::literals;

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
  for (const reports::StatColumn& column : section.columns) {
    // Counts are most of the cells: their digits go straight in.
    if (column.stat != nullptr && column.stat->shape == reports::Shape::kCount) {
      NumberCell(out, column.stat->part(record));
    } else {
      NumberCell(out, column.stat != nullptr ? reports::StatText(*column.stat, record) : "");
    }
  }
  out += "</tr>\n"sv;
}

namespace {

// A length in tenths of a chart unit, as the SVG's decimal text ("12.5").
std::string Tenths(std::int64_t tenths) {
  const std::string whole = std::to_string(tenths / 10);
  return tenths % 10 == 0 ? whole : whole + "." + std::to_string(tenths % 10);
}

}  // namespace

std::string BarChart(std::string_view description, const std::vector<std::string>& labels,
                     const std::vector<Series>& series) {
  // Lengths in tenths of a unit of the 600 × 220 view box.
  constexpr std::int64_t kWidth = 6000;
  constexpr std::int64_t kHeight = 2200;
  constexpr std::int64_t kTop = 160;
  constexpr std::int64_t kBottom = 240;
  constexpr std::int64_t kLeft = 400;
  const auto groups = static_cast<std::int64_t>(std::max<std::size_t>(labels.size(), 1));
  const auto bars = static_cast<std::int64_t>(std::max<std::size_t>(series.size(), 1));
  const std::int64_t slot = (kWidth - kLeft - 80) / groups;
  const std::int64_t bar = std::min<std::int64_t>(240, slot * 8 / 10 / bars);
  std::int64_t top = 1;
  for (const Series& one : series)
    for (const std::int64_t value : one.values)
      top = std::max(top, value);
  const std::int64_t base = kHeight - kBottom;
  const std::int64_t room = base - kTop;
  std::string svg = "<figure class=\"chart\"><svg class=\"chart\" viewBox=\"0 0 " + Tenths(kWidth) +
                    " " + Tenths(kHeight) + "\" role=\"img\" aria-label=\"" +
                    EscapeUtf8(description) + "\">";
  svg += "<line class=\"axis\" x1=\"" + Tenths(kLeft) + "\" y1=\"" + Tenths(base) + "\" x2=\"" +
         Tenths(kWidth) + "\" y2=\"" + Tenths(base) + "\"/>";
  svg += "<text class=\"label\" x=\"" + Tenths(kLeft - 40) + "\" y=\"" + Tenths(kTop + 40) +
         "\" text-anchor=\"end\">" + std::to_string(top) + "</text>";
  svg += "<text class=\"label\" x=\"" + Tenths(kLeft - 40) + "\" y=\"" + Tenths(base) +
         "\" text-anchor=\"end\">0</text>";
  // Game numbers under the bars: every one when they fit, else every fifth.
  const std::int64_t every = slot < 140 ? 5 : 1;
  for (std::int64_t g = 0; g < static_cast<std::int64_t>(labels.size()); ++g) {
    const std::int64_t x = kLeft + g * slot + (slot - bar * bars) / 2;
    for (std::int64_t b = 0; b < static_cast<std::int64_t>(series.size()); ++b) {
      const std::int64_t value = series[b].values[g];
      const std::int64_t height = std::max<std::int64_t>(0, value) * room / top;
      svg += "<rect class=\"" + series[b].cssClass + "\" x=\"" + Tenths(x + b * bar) + "\" y=\"" +
             Tenths(base - height) + "\" width=\"" + Tenths(bar * 9 / 10) + "\" height=\"" +
             Tenths(height) + "\"><title>" + EscapeUtf8(labels[g]) + ": " +
             EscapeUtf8(series[b].name) + " " + std::to_string(value) + "</title></rect>";
    }
    if ((g + 1) % every == 0 || every == 1)
      svg += "<text class=\"label\" x=\"" + Tenths(x + bar * bars / 2) + "\" y=\"" +
             Tenths(kHeight - 60) + "\" text-anchor=\"middle\">" + std::to_string(g + 1) +
             "</text>";
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
