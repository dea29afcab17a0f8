// The crediting pass.
#include "compile/credit_pass.h"

#include "compile/sinks.h"
#include "stats/accumulate.h"

namespace yl::compile {

bool CreditGame(CompileRun& run, CompiledGame& compiled, std::string_view name) {
  const transcript::GameState& game = *compiled.game;
  const options::OutputOptions& o = run.options;
  stats::GameCredit credit{run.league, game};
  // The summary makes the game report and the scoring table; the longest
  // plays make the league leaders.
  const bool site = !run.siteFolder.empty() && o.SeasonMode();
  if (o.mode == options::ReportMode::kGame || !run.tablesFolder.empty() || site)
    credit.scoring = &compiled.scoring;
  if ((o.mode == options::ReportMode::kLeague && o.leagueLeaders) || site) {
    credit.longest = &run.longest;
    credit.leadersCount = o.leadersCount;
  }
  for (const auto& sink : run.sinks)
    sink->BeforeCredit(compiled);
  run::StopCountdown countdown;
  for (std::size_t i = 0; i < game.plays.size(); ++i) {
    const transcript::CurrentPlay& play = game.plays[i];
    if (countdown.Stopped(run.control)) return false;
    if (!play.noPlay) stats::AccumulatePlay(credit, play, transcript::NextPlay(game, i));
    for (const auto& sink : run.sinks)
      sink->PlayDone(name, compiled, play);
  }
  return true;
}

}  // namespace yl::compile
