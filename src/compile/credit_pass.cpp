// The crediting pass.
#include "compile/credit_pass.h"

#include "league/league.h"
#include "reports/play_echo.h"
#include "reports/plays_csv.h"
#include "reports/report_driver.h"
#include "stats/accumulate.h"

namespace yl::compile {

bool CreditGame(CompileRun& run, transcript::GameState& game, std::string_view name) {
  stats::GameCredit credit{
      run.league, run.stats,    run.options, &game.groupMap, !run.tables.folder.empty(),
      game.home,  game.visiting};
  const reports::ReportSource source{run.league, run.stats.scoring, run.stats.longest};
  run::StopCountdown countdown;
  for (std::size_t i = 0; i < game.plays.size(); ++i) {
    const transcript::CurrentPlay& play = game.plays[i];
    if (countdown.Stopped(run.control)) return false;
    if (!play.noPlay) stats::AccumulatePlay(credit, play, transcript::NextPlay(game, i));
    if (run.playsTable != nullptr && !play.noPlay)
      run::WriteTable(*run.playsTable, reports::PlaysCsvRow(name, play));
    if (run.options.mode == options::ReportMode::kPerPlay) {
      reports::EchoPlay(run.report, game.extras, play);
      reports::WriteReports(run.report, source, run.options);
      league::ReleaseAllPlayerStats(run.league);
    }
  }
  return true;
}

}  // namespace yl::compile
