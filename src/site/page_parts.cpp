// Parts the site's pages share.
#include "site/page_parts.h"

#include <algorithm>

#include "league/stat_fields.h"
#include "reports/report_text.h"
#include "reports/stat_columns.h"

namespace yl::site {

using namespace std::literals;

double Percentage(const league::TeamRecord& team) {
  return team.gamesPlayed == 0
             ? 0.0
             : (team.wins + 0.5 * team.ties) / static_cast<double>(team.gamesPlayed);
}

std::string PercentageText(double percentage) {
  std::string text = reports::FormatDecimal(percentage, 3);
  if (text.starts_with("0.")) text.erase(0, 1);
  return text;
}

void SortStandings(std::vector<const league::TeamRecord*>& teams) {
  // Orders that decide every tie: a plain sort gives the same order each
  // time and needs no buffer that could be refused.
  std::sort(teams.begin(), teams.end(),
            [](const league::TeamRecord* a, const league::TeamRecord* b) {
              if (Percentage(*a) != Percentage(*b)) return Percentage(*a) > Percentage(*b);
              const int da = a->own.points - a->opponents.points;
              const int db = b->own.points - b->opponents.points;
              if (da != db) return da > db;
              return a->name < b->name;
            });
}

std::string PlayerLabel(const league::PlayerRecord& player) {
  return "#" + std::to_string(player.number) + "-" + player.name;
}

league::PlayerRecord GameRecord(const league::PlayerRecord& player, const SiteGame& game, Side side,
                                std::span<const Figure> figures) {
  league::PlayerRecord record;
  record.name = player.name;
  record.number = player.number;
  record.position = player.position;
  record.side = player.side;
  record.teamName = side == Side::kHome       ? game.home->name
                    : side == Side::kVisiting ? game.visiting->name
                                              : player.teamName;
  record.index = player.index;
  // A record's figures follow each other: the first makes the record, the
  // rest go straight in.
  const auto fields = league::PlayerStatFields();
  const league::StatField* last = nullptr;
  for (const Figure& figure : figures) {
    const league::StatField& field = fields[figure.field];
    if (last != nullptr && last->has == field.has) {
      league::WriteHeld(record, field, figure.value);
    } else {
      field.write(record, figure.value);
    }
    last = &field;
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
  RowText row(out);
  if (rowClass.empty()) {
    row.Add("<tr><th scope=\"row\">"sv);
  } else {
    row.Add("<tr class=\""sv);
    row.Add(rowClass);
    row.Add("\"><th scope=\"row\">"sv);
  }
  row.Add(first);
  if (secondHtml != nullptr) {
    row.Add("</th><td class=\"t\">"sv);
    row.Add(*secondHtml);
  }
  // A cell's end and the next cell's start go in as one piece.
  bool inHeader = secondHtml == nullptr;
  for (const reports::StatColumn& column : section.columns) {
    row.Add(inHeader ? "</th><td>"sv : "</td><td>"sv);
    inHeader = false;
    // Counts are most of the cells: their digits go straight in.
    if (column.stat != nullptr && column.stat->shape == reports::Shape::kCount) {
      row.Number(column.stat->part(record));
    } else if (column.stat != nullptr) {
      row.Write(reports::kStatTextRoom,
                [&](char* at) { return reports::StatTextInto(at, *column.stat, record); });
    }
  }
  row.Add(inHeader ? "</th></tr>\n"sv : "</td></tr>\n"sv);
  row.Flush();
}

namespace {

// A length in tenths of a chart unit, as the SVG's decimal text ("12.5").
void AddTenths(RowText& out, std::int64_t tenths) {
  out.Number(tenths / 10);
  if (tenths % 10 != 0) {
    out.Add("."sv);
    out.Number(tenths % 10);
  }
}

}  // namespace

std::string BarChart(std::string_view description, const std::vector<std::string_view>& labels,
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
  const std::string escapedDescription = EscapeUtf8(description);
  std::vector<std::string> seriesNames;
  for (const Series& one : series)
    seriesNames.push_back(EscapeUtf8(one.name));

  std::string svg;
  RowText out(svg);
  const auto label = [&](std::int64_t x, std::int64_t y, std::string_view anchor) {
    out.Add("<text class=\"label\" x=\""sv);
    AddTenths(out, x);
    out.Add("\" y=\""sv);
    AddTenths(out, y);
    out.Add("\" text-anchor=\""sv);
    out.Add(anchor);
    out.Add("\">"sv);
  };
  out.Add("<figure class=\"chart\"><svg class=\"chart\" viewBox=\"0 0 "sv);
  AddTenths(out, kWidth);
  out.Add(" "sv);
  AddTenths(out, kHeight);
  out.Add("\" role=\"img\" aria-label=\""sv);
  out.Add(escapedDescription);
  out.Add("\"><line class=\"axis\" x1=\""sv);
  AddTenths(out, kLeft);
  out.Add("\" y1=\""sv);
  AddTenths(out, base);
  out.Add("\" x2=\""sv);
  AddTenths(out, kWidth);
  out.Add("\" y2=\""sv);
  AddTenths(out, base);
  out.Add("\"/>"sv);
  label(kLeft - 40, kTop + 40, "end"sv);
  out.Number(top);
  out.Add("</text>"sv);
  label(kLeft - 40, base, "end"sv);
  out.Add("0</text>"sv);
  // Game numbers under the bars: every one when they fit, else every fifth.
  const std::int64_t every = slot < 140 ? 5 : 1;
  for (std::int64_t g = 0; g < static_cast<std::int64_t>(labels.size()); ++g) {
    const std::int64_t x = kLeft + g * slot + (slot - bar * bars) / 2;
    for (std::int64_t b = 0; b < static_cast<std::int64_t>(series.size()); ++b) {
      const std::int64_t value = series[b].values[g];
      const std::int64_t height = std::max<std::int64_t>(0, value) * room / top;
      out.Add("<rect class=\""sv);
      out.Add(series[b].cssClass);
      out.Add("\" x=\""sv);
      AddTenths(out, x + b * bar);
      out.Add("\" y=\""sv);
      AddTenths(out, base - height);
      out.Add("\" width=\""sv);
      AddTenths(out, bar * 9 / 10);
      out.Add("\" height=\""sv);
      AddTenths(out, height);
      out.Add("\"><title>"sv);
      out.OwnText(labels[g]);
      out.Add(": "sv);
      out.Add(seriesNames[b]);
      out.Add(" "sv);
      out.Number(value);
      out.Add("</title></rect>"sv);
    }
    if ((g + 1) % every == 0 || every == 1) {
      label(x + bar * bars / 2, kHeight - 60, "middle"sv);
      out.Number(g + 1);
      out.Add("</text>"sv);
    }
  }
  out.Add("</svg><figcaption>"sv);
  out.Add(escapedDescription);
  if (series.size() > 1) {
    for (std::size_t b = 0; b < series.size(); ++b) {
      out.Add(" <span class=\"key "sv);
      out.Add(series[b].cssClass);
      out.Add("\">"sv);
      out.Add(seriesNames[b]);
      out.Add("</span>"sv);
    }
  }
  out.Add("</figcaption></figure>\n"sv);
  out.Flush();
  return svg;
}

}  // namespace yl::site
