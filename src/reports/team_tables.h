// The three team stat tables that compare every team of the run, one row per
// team: yards gained, yards allowed, and take-aways against give-aways.
#pragma once

namespace yl::run {
struct CompileRun;
}

namespace yl::reports {

// "---Team Offensive Stats": own net, rushing and passing yards, season
// totals and per-game averages, most net yards first.
void WriteTeamOffensiveStats(run::CompileRun& run);
// "---Team Defensive Stats": the same of the opponents, fewest net yards first.
void WriteTeamDefensiveStats(run::CompileRun& run);
// "---Team Take-Away/Give-Away Stats": interceptions and fumbles lost by the
// opponents and by the team, and their difference, largest first.
void WriteTeamTakeawayStats(run::CompileRun& run);

// The three in report order. Each reorders the team list.
void WriteTeamTables(run::CompileRun& run);

}  // namespace yl::reports
