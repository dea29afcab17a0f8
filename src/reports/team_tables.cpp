// The team stat tables: three rows of one table of tables, one writer.
#include "reports/team_tables.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/report_text.h"
#include "reports/table_layout.h"
#include "stats/derived.h"
#include "stats/team_ranking.h"

namespace yl::reports {

namespace {

using league::TeamRecord;
using league::TeamTotals;

using TeamCell = std::string (*)(const TeamRecord& team);

struct TeamColumn {
  std::string_view header;
  TeamCell value;
};

struct TeamTable {
  std::string_view title;
  std::span<const TeamColumn> columns;
  std::span<const ColumnGroup> groups;
  stats::TeamSortKey key;
};

// The name column is at least as wide as "TEAM" with its two blanks, so the
// header word never runs into the first value column's.
constexpr std::int32_t kNameMinimum = 2;
constexpr std::int32_t kSeparator = 2;

template <auto Block, auto Field>
std::int64_t Value(const TeamRecord& team) {
  return (team.*Block).*Field;
}

template <auto Block, auto Field>
std::string Total(const TeamRecord& team) {
  return IntegerText(Value<Block, Field>(team));
}

// Per game played, "0.00" for a team without games.
template <auto Block, auto Field>
std::string PerGame(const TeamRecord& team) {
  return RatioText(static_cast<double>(Value<Block, Field>(team)), team.gamesPlayed, 2);
}

constexpr auto own = &TeamRecord::own;
constexpr auto opponents = &TeamRecord::opponents;

std::string TakeAwaysText(const TeamRecord& t) {
  return IntegerText(stats::Takeaways(t));
}
std::string GiveAwaysText(const TeamRecord& t) {
  return IntegerText(stats::Giveaways(t));
}
std::string Difference(const TeamRecord& t) {
  return IntegerText(stats::Takeaways(t) - stats::Giveaways(t));
}

constexpr ColumnGroup kYardageGroups[] = {
    {"Total Yardage", 0, 3},
    {"Average Per Game", 3, 3},
};

constexpr TeamColumn kOffensiveColumns[] = {
    {"TOTAL", Total<own, &TeamTotals::netYards>},
    {"RUSHING", Total<own, &TeamTotals::rushingYards>},
    {"PASSING", Total<own, &TeamTotals::passingYards>},
    {"TOTAL", PerGame<own, &TeamTotals::netYards>},
    {"RUSHING", PerGame<own, &TeamTotals::rushingYards>},
    {"PASSING", PerGame<own, &TeamTotals::passingYards>},
};

constexpr TeamColumn kDefensiveColumns[] = {
    {"TOTAL", Total<opponents, &TeamTotals::netYards>},
    {"RUSHING", Total<opponents, &TeamTotals::rushingYards>},
    {"PASSING", Total<opponents, &TeamTotals::passingYards>},
    {"TOTAL", PerGame<opponents, &TeamTotals::netYards>},
    {"RUSHING", PerGame<opponents, &TeamTotals::rushingYards>},
    {"PASSING", PerGame<opponents, &TeamTotals::passingYards>},
};

constexpr ColumnGroup kTurnoverGroups[] = {
    {"Take-Aways", 0, 3},
    {"Give-Aways", 3, 3},
};

constexpr TeamColumn kTurnoverColumns[] = {
    {"INT", Total<opponents, &TeamTotals::intercepted>},
    {"FUM", Total<opponents, &TeamTotals::fumblesLost>},
    {"TOTAL", TakeAwaysText},
    {"INT", Total<own, &TeamTotals::intercepted>},
    {"FUM", Total<own, &TeamTotals::fumblesLost>},
    {"TOTAL", GiveAwaysText},
    {"DIFF", Difference},
};

constexpr TeamTable kOffensive = {"---Team Offensive Stats", kOffensiveColumns, kYardageGroups,
                                  stats::kOffenseNetYards};
constexpr TeamTable kDefensive = {"---Team Defensive Stats", kDefensiveColumns, kYardageGroups,
                                  stats::kDefenseNetYards};
constexpr TeamTable kTurnovers = {"---Team Take-Away/Give-Away Stats", kTurnoverColumns,
                                  kTurnoverGroups, stats::kTakeawayGiveaway};

// A run without teams has nothing to compare: the table is left out.
void WriteTeamTable(ReportOutput& out, stats::TeamOrder& teams, const TeamTable& table) {
  if (teams.empty()) return;
  std::vector<std::string_view> headers;
  for (const TeamColumn& column : table.columns)
    headers.push_back(column.header);
  TableLayout layout("TEAM", kNameMinimum, kSeparator, std::move(headers), kSeparator);
  for (const TeamRecord* t : teams) {
    layout.MeasureName(static_cast<std::int64_t>(t->name.size()));
    for (std::size_t i = 0; i < table.columns.size(); ++i)
      layout.MeasureValue(i, table.columns[i].value(*t));
  }

  layout.WriteTitle(out, table.title);
  layout.WriteGroupLine(out, table.groups);
  layout.WriteHeader(out);
  stats::SortTeamsByName(teams);
  stats::SortTeamsByStats(teams, table.key);
  for (const TeamRecord* t : teams) {
    layout.WriteName(out, t->name);
    for (std::size_t i = 0; i < table.columns.size(); ++i)
      layout.WriteValue(out, i, table.columns[i].value(*t));
    EndLine(out);
  }
  EndLine(out);
}

}  // namespace

void WriteTeamOffensiveStats(ReportOutput& out, stats::TeamOrder& teams) {
  WriteTeamTable(out, teams, kOffensive);
}

void WriteTeamDefensiveStats(ReportOutput& out, stats::TeamOrder& teams) {
  WriteTeamTable(out, teams, kDefensive);
}

void WriteTeamTakeawayStats(ReportOutput& out, stats::TeamOrder& teams) {
  WriteTeamTable(out, teams, kTurnovers);
}

void WriteTeamTables(ReportOutput& out, stats::TeamOrder& teams) {
  WriteTeamOffensiveStats(out, teams);
  WriteTeamDefensiveStats(out, teams);
  WriteTeamTakeawayStats(out, teams);
}

}  // namespace yl::reports
