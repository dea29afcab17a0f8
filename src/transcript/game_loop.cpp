// The game loop.
#include "transcript/game_loop.h"

#include "league/league.h"
#include "run/compile_run.h"
#include "run/error_log.h"

namespace yl::transcript {

namespace {

void LogLine(run::CompileRun& run, int kind, std::string_view line) {
  run::LogTranscriptError(run, run.currentTranscriptName, kind, line);
}

void NextLine(GameState& game) {
  ReadLine(game.text, game.current);
}

// A play block's header line. Its phrases are not read yet: a line that is a
// header and fits the line buffer is taken.
bool ParseHeaderLine(run::CompileRun& run, GameState& game) {
  std::string_view line = game.current.line;
  if (game.current.indented) line.remove_prefix(line.find_first_not_of(' '));
  if (IsPlayHeader(line) && !game.current.TooLong()) return true;
  LogLine(run, run::kPlayHeader, line);
  game.playError = true;
  return false;
}

// A line of the block that is not read yet: refused only when it is longer
// than the line buffer.
bool AcceptLine(run::CompileRun& run, GameState& game, int kind) {
  if (!game.current.TooLong()) return true;
  LogLine(run, kind, game.current.line);
  game.playError = true;
  return false;
}

}  // namespace

bool HeaderSearch(GameState& game) {
  for (int tries = 0;; ++tries) {
    if (IsPlayHeader(game.current.line)) return true;
    if (IsGameOver(game.current.line)) {
      game.gameOver = true;
      return true;
    }
    if (tries == 3 || game.current.atEnd) return false;
    NextLine(game);
  }
}

void ProcessTranscript(run::CompileRun& run, const run::TransRecord& record) {
  run.transcriptRejected = false;
  GameState game;
  LoadTranscript(run, record, game.text);
  NextLine(game);
  std::string visiting;
  std::string home;
  if (!ParseFirstLine(game.current.line, visiting, home)) {
    LogLine(run, run::kFirstLine, std::string_view());
    run.transcriptRejected = true;
    return;
  }
  league::FindOrCreateTeam(run.league, home)->homeFlag = 1;
  league::FindOrCreateTeam(run.league, visiting)->homeFlag = 0;
  run.visitingTeamName = visiting;
  run.homeTeamName = home;
  NextLine(game);

  int countdown = 0;
  const auto reject = [&] { run.transcriptRejected = true; };
  while (!game.gameOver) {
    if (game.playError) {
      ++game.labelCounter;
      game.possessionLabel = game.labelCounter;
      game.playError = false;
    }
    if (countdown == 0) {
      run.platform.YieldHook();
      countdown = 8;
      if (run.stopRequested) return;
    } else {
      --countdown;
    }

    if (!ParseHeaderLine(run, game)) {
      NextLine(game);
      NextLine(game);
      if (!game.current.sawBlank) NextLine(game);
      if (!HeaderSearch(game)) return reject();
      continue;
    }
    NextLine(game);  // the description
    if (!AcceptLine(run, game, run::kPlayDescription)) {
      NextLine(game);
      if (!game.current.sawBlank) NextLine(game);
      if (!HeaderSearch(game)) return reject();
      continue;
    }
    game.current.sawBlank = false;
    NextLine(game);
    if (!game.current.sawBlank) {  // a gains line
      if (!AcceptLine(run, game, run::kPlayGains)) {
        NextLine(game);
        if (!HeaderSearch(game)) return reject();
        continue;
      }
      NextLine(game);
    }
    // Extras lines, up to the next header or the game's end.
    while (!game.gameOver && !IsPlayHeader(game.current.line)) {
      if (IsGameOver(game.current.line)) {
        game.gameOver = true;
      } else if (game.current.atEnd || !AcceptLine(run, game, run::kPlayExtras)) {
        game.playError = true;
        if (!HeaderSearch(game)) return reject();
        break;
      } else {
        NextLine(game);
      }
    }
    if (!game.playError) ++game.playsCompleted;
  }
  if (run.stopRequested) return;
  league::InferPositions(run.league);
}

}  // namespace yl::transcript
