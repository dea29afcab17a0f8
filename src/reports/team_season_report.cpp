// The team season report.
#include "reports/team_season_report.h"

#include <algorithm>
#include <string_view>

#include "reports/game_report.h"
#include "reports/player_sections.h"
#include "reports/report_buffer.h"
#include "reports/report_text.h"
#include "stats/team_ranking.h"

namespace yl::reports {

namespace {

using league::TeamRecord;
using league::TeamTotals;
using Field = std::int32_t TeamTotals::*;

std::int64_t Length(std::string_view text) {
  return static_cast<std::int64_t>(text.size());
}

std::string TwoDigits(std::int64_t value) {
  return (value < 10 ? "0" : "") + IntegerText(value);
}

void WriteRecordLine(ReportOutput& out, const TeamRecord& team) {
  WriteString(out, team.name);
  WriteBlanks(out, 6);
  WriteString(
      out, IntegerText(team.wins) + "-" + IntegerText(team.losses) + "-" + IntegerText(team.ties));
  WriteBlanks(out, 6);
  WriteString(out, WinningPercentage(team));
  EndLineTwice(out);
}

// ---- Quarter table ----

void WriteSeasonQuarterTable(ReportOutput& out, const TeamRecord& team) {
  WriteQuarterTable(out, std::max<std::int64_t>(9, Length(team.name)),
                    team.own.overtimePoints != -1,
                    {{"Opponents", team.opponents}, {team.name, team.own}});
  EndLine(out);
}

// ---- Comparison table ----

enum class RowKind : std::uint8_t {
  kCount,  // season total and its average per game
  kPair,   // two totals and their two averages, each joined by "/"
  kRate,   // one ratio of two totals, under the averages
  kTime,   // time of possession
};

struct SeasonRow {
  std::string_view label;  // padded to 24 characters when written
  RowKind kind;
  Field first;
  Field second;  // the second count of a pair, the divisor of a rate
  int decimals;  // of a rate
  bool emptyLineAfter;
};

constexpr std::int64_t kLabelWidth = 24;
constexpr std::int64_t kAverageWidth = 10;
constexpr std::string_view kGap = "   ";

constexpr SeasonRow Count(std::string_view label, Field field, bool emptyLineAfter = false) {
  return {label, RowKind::kCount, field, nullptr, 0, emptyLineAfter};
}
constexpr SeasonRow Pair(std::string_view label, Field first, Field second) {
  return {label, RowKind::kPair, first, second, 0, false};
}
constexpr SeasonRow Rate(std::string_view label, Field numerator, Field divisor, int decimals) {
  return {label, RowKind::kRate, numerator, divisor, decimals, false};
}

constexpr SeasonRow kSeasonRows[] = {
    Count("Rushing Yards", &TeamTotals::rushingYards),
    Count("Rushing Plays", &TeamTotals::rushingPlays),
    Rate("Yards Per Rush", &TeamTotals::rushingYards, &TeamTotals::rushingPlays, 1),
    Count("Passing Yards", &TeamTotals::passingYards),
    Count("Passing Plays", &TeamTotals::passingPlays),
    Rate("Yards Per Pass", &TeamTotals::passingYards, &TeamTotals::passingPlays, 1),
    Pair("Passes (Comp/Atts)", &TeamTotals::completions, &TeamTotals::attempts),
    Rate("Completion Percentage", &TeamTotals::completions, &TeamTotals::attempts, 2),
    Count("Sacked", &TeamTotals::timesSacked),
    Count("Intercepted", &TeamTotals::intercepted),
    Pair("Fumbles (No/Lost)", &TeamTotals::fumbles, &TeamTotals::fumblesLost),
    Count("First Downs", &TeamTotals::firstDowns),
    Count("Punts", &TeamTotals::punts),
    Count("Net Yards", &TeamTotals::netYards, true),
    Count("Touchdowns", &TeamTotals::touchdowns),
    Count("Extra Points", &TeamTotals::extraPoints),
    Pair("Field Goals (No/Atts)", &TeamTotals::fieldGoalsMade, &TeamTotals::fieldGoalsAttempted),
    Count("Safeties", &TeamTotals::safeties),
    Pair("Penalties (No/Yards)", &TeamTotals::penalties, &TeamTotals::penaltyYards),
    Count("Total Plays", &TeamTotals::totalPlays),
    {"Total Time", RowKind::kTime, nullptr, nullptr, 0, true},
    Count("Total Yards", &TeamTotals::totalYards, true),
};

// The total and the per-game average of one side for a count, pair or time
// row.
struct Cells {
  std::string total;
  std::string average;
};

Cells RowCells(const SeasonRow& row, const TeamTotals& totals, std::int32_t games) {
  switch (row.kind) {
    case RowKind::kCount:
      return {IntegerText(totals.*row.first), RatioText(totals.*row.first, games, 1)};
    case RowKind::kPair:
      return {
          PairText(totals.*row.first, totals.*row.second),
          RatioText(totals.*row.first, games, 1) + "/" + RatioText(totals.*row.second, games, 1)};
    case RowKind::kTime:
      return {SeasonTimeText(totals.timeMinutes, totals.timeSeconds),
              PerGameTimeText(totals.timeMinutes, totals.timeSeconds, games)};
    case RowKind::kRate:
      break;
  }
  return {};
}

void WriteSeasonRow(ReportOutput& out, const SeasonRow& row, const TeamRecord& team,
                    std::int64_t width) {
  WriteLeftAligned(out, row.label, kLabelWidth);
  if (row.kind == RowKind::kRate) {
    WriteBlanks(out, width + Length(kGap));
    WriteRightAligned(
        out, RatioText(team.opponents.*row.first, team.opponents.*row.second, row.decimals),
        kAverageWidth);
    WriteBlanks(out, width + 2 * Length(kGap));
    WriteRightAligned(out, RatioText(team.own.*row.first, team.own.*row.second, row.decimals),
                      kAverageWidth);
  } else {
    const Cells opponents = RowCells(row, team.opponents, team.gamesPlayed);
    const Cells own = RowCells(row, team.own, team.gamesPlayed);
    WriteRightAligned(out, opponents.total, width);
    WriteString(out, kGap);
    WriteRightAligned(out, opponents.average, kAverageWidth);
    WriteString(out, kGap);
    WriteRightAligned(out, own.total, width);
    WriteString(out, kGap);
    WriteRightAligned(out, own.average, kAverageWidth);
  }
  if (row.emptyLineAfter) {
    EndLineTwice(out);
  } else {
    EndLine(out);
  }
}

void WriteComparisonTable(ReportOutput& out, const TeamRecord& team) {
  const std::int64_t width = std::max<std::int64_t>(10, Length(team.name));
  WriteBlanks(out, kLabelWidth);
  WriteRightAligned(out, "Opponents", width);
  WriteString(out, "      Average   ");
  WriteRightAligned(out, team.name, width);
  WriteString(out, "      Average");
  EndLineTwice(out);
  for (const SeasonRow& row : kSeasonRows)
    WriteSeasonRow(out, row, team, width);
}

}  // namespace

std::string WinningPercentage(const TeamRecord& team) {
  std::string text = RatioText(team.wins, team.gamesPlayed, 3);
  if (text.front() == '0') text.erase(0, 1);
  return text;
}

std::string SeasonTimeText(std::int32_t minutes, std::int32_t seconds) {
  return IntegerText(minutes / 60) + ":" + TwoDigits(minutes % 60) + ":" + TwoDigits(seconds);
}

std::string PerGameTimeText(std::int32_t minutes, std::int32_t seconds, std::int32_t games) {
  if (games == 0) return "0:00";
  const std::int64_t perGame = (static_cast<std::int64_t>(minutes) * 60 + seconds) / games;
  return IntegerText(perGame / 60) + ":" + TwoDigits(perGame % 60);
}

void WriteTeamSeasonReport(ReportOutput& out, stats::PlayerOrder& players,
                           const options::OutputOptions& options, const TeamRecord& team,
                           stats::SortRanks* ranks) {
  WriteRecordLine(out, team);
  WriteSeasonQuarterTable(out, team);
  WriteComparisonTable(out, team);
  WritePlayerSections(out, players, options, &team, ranks);
}

void WriteTeamSeasonReports(ReportOutput& out, stats::TeamOrder& teams, stats::PlayerOrder& players,
                            const options::OutputOptions& options) {
  stats::SortTeamsByName(teams);
  // Every team's sections sort the whole league by the same keys.
  stats::SortRanks ranks;
  for (const TeamRecord* t : teams)
    WriteTeamSeasonReport(out, players, options, *t, &ranks);
}

}  // namespace yl::reports
