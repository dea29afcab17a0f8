// The game report: title line with the final score, the quarter-by-quarter
// score table, the scoring summary by quarter and the side-by-side comparison
// of the two teams.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "league/league.h"
#include "reports/report_buffer.h"
#include "stats/scoring_summary.h"

namespace yl::reports {

// The text of a scoring entry after its time: "#32 Smith 4 yard TD RUN".
std::string ScoringPhrase(const stats::ScoringDriveRecord& entry);

// A row of the teams' comparison: its label (padded to 24 characters when
// written), a team's figure as the report writes it, and whether an empty
// line follows it.
struct ComparisonRow {
  std::string_view label;
  std::string (*value)(const league::TeamTotals& t);
  bool emptyLineAfter;
};

// The comparison's rows in report order.
std::span<const ComparisonRow> TeamComparisonRows();

// One row of a quarter table: the name in front and the points behind it.
struct QuarterRow {
  std::string_view name;
  const league::TeamTotals& totals;
};

// A quarter-by-quarter score table between two rules: the names padded to
// nameWidth, an "OT" column when `overtime` (a row shows its overtime points
// only when it has them), then the final points.
void WriteQuarterTable(ReportOutput& out, std::int64_t nameWidth, bool overtime,
                       std::initializer_list<QuarterRow> rows);

// The two teams of the game a report is written for.
struct GameTeams {
  const league::TeamRecord* visiting = nullptr;
  const league::TeamRecord* home = nullptr;
};

// The report of the game just read, from its two teams and its scoring
// summary; the fatal alert when a team is missing.
void WriteGameStats(ReportOutput& out, const GameTeams& teams,
                    const stats::ScoringSummary& scoring);

}  // namespace yl::reports
