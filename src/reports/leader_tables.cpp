// The league-leader writer: one measure pass, the title (with the minimum of
// a rate table), the header, the sort, and the ranked rows cut after
// leadersCount, for every table of the family.
#include "reports/leader_tables.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "reports/report_buffer.h"
#include "reports/report_text.h"
#include "reports/table_layout.h"

namespace yl::reports {

namespace {

using league::PlayerRecord;

constexpr std::int64_t kNameMinimum = 11;  // "Player Name"
constexpr std::int64_t kTeamMinimum = 4;   // "Team"
constexpr std::int64_t kPositionWidth = 5;
constexpr std::int64_t kGap = 2;
constexpr std::int32_t kSeparator = 2;

// The widths of the rank, name and team columns; the value columns are the
// table layout's, after the whole prefix as its name column.
struct LeaderWidths {
  std::int64_t rank;
  std::int64_t name = kNameMinimum;
  std::int64_t team = kTeamMinimum;

  std::int64_t Prefix() const {
    return (rank + kGap) + (name + kGap) + kPositionWidth + (team + kGap);
  }
};

std::int64_t Digits(std::int64_t value) {
  return static_cast<std::int64_t>(IntegerText(value).size());
}

void Measure(const LeaderTable& table, const LeaderRow& row, LeaderWidths& widths,
             TableLayout& layout) {
  widths.name = std::max<std::int64_t>(widths.name, row.player->name.size());
  widths.team = std::max<std::int64_t>(widths.team, row.player->teamName.size());
  for (std::size_t i = 0; i < table.columns.size(); ++i)
    layout.MeasureValue(i, LeaderCellText(table, i, row));
}

// The entries of a longest-play list that a table of leadersCount rows may
// show: at most the first leadersCount, never past the 50th, free ones left out.
std::vector<LeaderRow> LongestRows(const std::optional<stats::LongestList>& list,
                                   std::int32_t leadersCount) {
  std::vector<LeaderRow> rows;
  if (!list) return rows;
  const std::size_t walked = std::min<std::size_t>(
      {list->entries.size(), static_cast<std::size_t>(stats::kMaxLongestEntries),
       static_cast<std::size_t>(leadersCount)});
  for (std::size_t i = 0; i < walked; ++i) {
    const stats::LongestRecord& entry = list->entries[i];
    if (entry.player != nullptr) rows.push_back({entry.player, entry.yards});
  }
  return rows;
}

void WriteTitle(ReportOutput& out, const LeaderTable& table, std::int64_t totalWidth,
                const std::optional<double>& minimum) {
  WriteString(out, table.title);
  WriteDashes(out, totalWidth - static_cast<std::int64_t>(table.title.size()));
  if (minimum) {
    WriteString(out, "  ");
    WriteString(out, IntegerText(static_cast<std::int64_t>(*minimum)));
    WriteString(out, table.minimum->text);
  }
  EndLine(out);
}

// The text, then blanks up to the width.
void AppendPadded(std::string& line, std::string_view text, std::int64_t width) {
  line += text;
  const auto length = static_cast<std::int64_t>(text.size());
  if (width > length) line.append(static_cast<std::size_t>(width - length), ' ');
}

std::string PrefixHeader(const LeaderWidths& widths) {
  std::string header;
  AppendPadded(header, "", widths.rank + kGap);
  AppendPadded(header, "Player Name", widths.name + kGap);
  header += "Pos  ";
  AppendPadded(header, "Team", widths.team + kGap);
  return header;
}

std::string RowPrefix(const LeaderTable& table, const LeaderWidths& widths, std::int64_t rank,
                      const PlayerRecord& player) {
  std::string prefix;
  AppendPadded(prefix, IntegerText(rank) + ".", widths.rank + kGap);
  AppendPadded(prefix, player.name, widths.name + kGap);
  prefix += LeaderPositionText(player, table.positions);
  AppendPadded(prefix, player.teamName, widths.team + kGap);
  return prefix;
}

}  // namespace

std::string LeaderPositionText(const PlayerRecord& player, PositionTags positions) {
  std::uint16_t side = league::kOffense;
  if (positions == PositionTags::kDefensive ||
      (positions == PositionTags::kBySide && player.side == league::kDefense))
    side = league::kDefense;
  std::string text(league::PositionText(player.position, side));
  text.resize(kPositionWidth, ' ');
  return text;
}

std::string LeaderCellText(const LeaderTable& table, std::size_t column, const LeaderRow& row) {
  const Statistic* stat = table.columns[column].stat;
  return stat != nullptr ? StatText(*stat, *row.player) : IntegerText(row.yards);
}

LeaderRanking RankLeaderTable(stats::PlayerOrder& players, const stats::LongestLists& longest,
                              std::int32_t leadersCount, const LeaderTable& table) {
  LeaderRanking ranking;
  if (table.longest != nullptr) {
    ranking.rows = LongestRows(longest.*table.longest, leadersCount);
    ranking.any = !ranking.rows.empty();
    return ranking;
  }
  // A rate table's minimum is half the average count over the players that
  // have its record.
  std::int64_t listed = 0;
  double countSum = 0;
  for (const PlayerRecord* p : players) {
    if (!table.listed(*p)) continue;
    ++listed;
    if (table.minimum != nullptr) countSum += static_cast<double>(table.minimum->count(*p));
  }
  if (listed == 0) return ranking;
  ranking.any = true;
  if (table.minimum != nullptr) ranking.minimum = 0.5 * (countSum / static_cast<double>(listed));
  stats::SortPlayersByStats(players, table.key, true);
  for (const PlayerRecord* p : players) {
    if (static_cast<std::int64_t>(ranking.rows.size()) >= leadersCount) break;
    if (!table.listed(*p)) continue;
    if (ranking.minimum && static_cast<double>(table.minimum->count(*p)) < *ranking.minimum)
      continue;
    ranking.rows.push_back({p, 0});
  }
  return ranking;
}

LeaderRanking WriteLeaderTable(ReportOutput& out, stats::PlayerOrder& players,
                               const stats::LongestLists& longest, std::int32_t leadersCount,
                               const LeaderTable& table) {
  if (leadersCount <= 0) return {};

  std::vector<std::string_view> headers;
  for (const StatColumn& column : table.columns)
    headers.push_back(column.word);
  TableLayout layout("", 0, 0, std::move(headers), kSeparator);
  LeaderWidths widths{.rank = std::max<std::int64_t>(2, Digits(leadersCount) + 1)};

  // Measure pass: a rate or count table over every player with its record
  // (the widths do not depend on their order), a longest-play table over the
  // entries it shows.
  LeaderRanking ranking = RankLeaderTable(players, longest, leadersCount, table);
  if (!ranking.any) return ranking;
  if (table.longest != nullptr) {
    for (const LeaderRow& row : ranking.rows)
      Measure(table, row, widths, layout);
  } else {
    for (const PlayerRecord* p : players) {
      if (table.listed(*p)) Measure(table, {p, 0}, widths, layout);
    }
  }
  layout.MeasureName(widths.Prefix());

  WriteTitle(out, table, layout.TotalWidth(), ranking.minimum);
  layout.WriteHeader(out, PrefixHeader(widths));
  std::int64_t rank = 1;
  for (const LeaderRow& row : ranking.rows) {
    layout.WriteName(out, RowPrefix(table, widths, rank, *row.player));
    for (std::size_t i = 0; i < table.columns.size(); ++i)
      layout.WriteValue(out, i, LeaderCellText(table, i, row));
    EndLine(out);
    ++rank;
  }
  EndLine(out);
  return ranking;
}

void WriteLeagueLeaders(ReportOutput& out, stats::PlayerOrder& players,
                        const stats::LongestLists& longest, std::int32_t leadersCount,
                        std::vector<LeaderRanking>* rankings) {
  // A negative count lists every player of the run.
  if (leadersCount < 0) leadersCount = static_cast<std::int32_t>(players.size());
  for (const LeaderTable& table : LeaderTables()) {
    LeaderRanking ranking = WriteLeaderTable(out, players, longest, leadersCount, table);
    if (rankings != nullptr) rankings->push_back(std::move(ranking));
  }
}

}  // namespace yl::reports
