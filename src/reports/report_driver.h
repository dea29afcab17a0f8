// The report driver: which reports are written at a moment of the run.
#pragma once

#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "reports/game_report.h"
#include "reports/leader_tables.h"
#include "reports/report_buffer.h"
#include "stats/longest_lists.h"
#include "stats/scoring_summary.h"

namespace yl::reports {

// What the reports read: the league model, the run's longest-play lists,
// and in the game modes the game just read, its teams and its scoring
// summary. Nothing here is changed by writing; the tables sort orders of
// their own.
struct ReportSource {
  const league::League& league;
  const stats::LongestLists& longest;
  GameTeams teams;
  const stats::ScoringSummary* scoring = nullptr;  // none: no entries
  // When given, the league leaders' rankings as the report made them.
  std::vector<LeaderRanking>* leaders = nullptr;
};

void WriteReports(ReportOutput& out, const ReportSource& source,
                  const options::OutputOptions& options);

// The league leaders of a season run, table by table in report order, ranked
// as the league report ranks them (its tables before the leaders sort the
// same order of players first); every player when leadersCount is negative.
std::vector<LeaderRanking> RankLeagueLeaders(const ReportSource& source,
                                             const options::OutputOptions& options);

}  // namespace yl::reports
