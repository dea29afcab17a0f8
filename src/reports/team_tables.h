// The three team stat tables that compare every team of the run, one row per
// team: yards gained, yards allowed, and take-aways against give-aways.
#pragma once

#include "reports/report_buffer.h"
#include "stats/team_ranking.h"

namespace yl::reports {

// "---Team Offensive Stats": own net, rushing and passing yards, season
// totals and per-game averages, most net yards first.
void WriteTeamOffensiveStats(ReportOutput& out, stats::TeamOrder& teams);
// "---Team Defensive Stats": the same of the opponents, fewest net yards first.
void WriteTeamDefensiveStats(ReportOutput& out, stats::TeamOrder& teams);
// "---Team Take-Away/Give-Away Stats": interceptions and fumbles lost by the
// opponents and by the team, and their difference, largest first.
void WriteTeamTakeawayStats(ReportOutput& out, stats::TeamOrder& teams);

// The three in report order. Each sorts the teams' order for its rows.
void WriteTeamTables(ReportOutput& out, stats::TeamOrder& teams);

}  // namespace yl::reports
