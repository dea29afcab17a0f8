// The game reader.
#include "transcript/game_reader.h"

#include <new>

#include "league/league.h"
#include "run/error_log.h"
#include "run/errors.h"
#include "transcript/description.h"
#include "transcript/gains.h"
#include "transcript/header.h"
#include "transcript/meaning.h"
#include "transcript/possession.h"
#include "transcript/team_box.h"

namespace yl::transcript {

namespace {

void NextLine(GameState& game) {
  ReadLine(game.text, game.current);
}

// The next line that holds more than blanks; empty at the end of the text.
std::string_view NextTextLine(TranscriptText& text) {
  LineState state;
  while (ReadLine(text, state), !state.atEnd) {
    if (state.line.find_first_not_of(" \t") != std::string_view::npos) return state.line;
  }
  return {};
}

// The record of the next attempt: the first record until a play has been
// completed, then a new one linked after the last.
CurrentPlay& NextRecord(GameState& game) {
  bool fresh = false;
  if (game.plays == nullptr || game.playsCompleted > 0) {
    CurrentPlay* play =
        run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] { return &game.playArena.Add(); });
    fresh = true;
    if (game.plays == nullptr) {
      game.plays = play;
    } else {
      game.last->next = play;
      play->previous = game.last;
    }
    game.last = play;
  }
  CurrentPlay& play = *game.last;
  if (!fresh) {
    CurrentPlay* previous = play.previous;
    play = CurrentPlay();
    play.previous = previous;
  }
  play.homeTeam = game.home;
  play.visitingTeam = game.visiting;
  play.groupAtSnap = game.possessionLabel;
  return play;
}

// Reads one play block into the play. False when the transcript ends here
// (rejected by the header search).
bool ReadPlay(ReadContext& context, run::RunControl& control, GameState& game, CurrentPlay& play) {
  std::string_view header = game.current.line;
  if (game.current.indented) {
    const std::size_t first = header.find_first_not_of(' ');
    header.remove_prefix(first == std::string_view::npos ? header.size() : first);
  }
  if (!ParseHeader(context, header, play)) {
    game.playError = true;
    NextLine(game);
    NextLine(game);
    if (!game.current.sawBlank) NextLine(game);
    return HeaderSearch(game, play);
  }
  ResolveHeader(play);
  CarryPossession(context, game, play);
  NextLine(game);
  if (!ParseDescription(context, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    if (!game.current.sawBlank) NextLine(game);
    return HeaderSearch(game, play);
  }
  CarryFumble(context.league, game, play);

  game.current.sawBlank = false;
  NextLine(game);
  if (game.current.sawBlank) {
    MarkNoGainsLine(play);
  } else if (!ParseGains(context, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    return HeaderSearch(game, play);
  } else {
    ResolveGains(play);
    NextLine(game);
  }

  while (!play.gameOver && !IsPlayHeader(game.current.line)) {
    if (game.current.atEnd || !ParseExtras(context, game.extras, game.current.line, play)) {
      // The end of the text is no extras line either: the search rejects.
      game.playError = true;
      return HeaderSearch(game, play);
    }
    for (int half = ResolveExtras(context, play); half > 0; --half)
      control.platform.StepProgress(0, 25, "");
    ++play.extrasValueCount;  // value slot i stays paired with phrase i across lines
    if (!play.gameOver) NextLine(game);
  }

  if (!game.playError) {
    ResolveDescription(context.league, game, play);
    play.groupAfter = game.possessionLabel;
    ++game.playsCompleted;
    NextPossession(game, play);
  }
  return true;
}

}  // namespace

bool HeaderSearch(GameState& game, CurrentPlay& play) {
  for (int tries = 0;; ++tries) {
    if (IsPlayHeader(game.current.line)) return true;
    if (IsGameOver(game.current.line)) {
      play.gameOver = 1;
      return true;
    }
    if (tries == 3 || game.current.atEnd) return false;
    NextLine(game);
  }
}

GameReading ReadGame(ReadContext& context, run::RunControl& control, TranscriptText text) {
  GameReading reading;
  auto game = std::make_unique<GameState>();
  game->text = std::move(text);
  NextLine(*game);
  std::string visiting;
  std::string home;
  if (!ParseFirstLine(game->current.line, visiting, home)) {
    LogNotUnderstood(context, run::ErrorKind::kFirstLine, std::string_view());
    return reading;
  }
  league::League& league = context.league;
  game->home = league::FindOrCreateTeam(league, home);
  game->home->homeFlag = 1;
  game->visiting = league::FindOrCreateTeam(league, visiting);
  game->visiting->homeFlag = 0;
  NextLine(*game);
  // Only players named in a game are given groups: those of the last game.
  for (league::PlayerRecord* p : league.gamePlayers) {
    p->teamGroup = 0;
    p->otherGroup = 0;
  }
  league::StartGamePlayers(league);
  PrepareExtrasPhrases(game->extras, *game->home, *game->visiting);

  run::StopCountdown countdown;
  bool gameOver = false;
  while (!gameOver) {
    if (game->playError) {
      game->possessionLabel = NewLabel(*game);
      game->playError = false;
    }
    if (countdown.Stopped(control)) {
      reading.outcome = ReadOutcome::kStopped;
      return reading;
    }
    CurrentPlay& play = NextRecord(*game);
    if (!ReadPlay(context, control, *game, play)) return reading;
    gameOver = play.gameOver != 0;
  }
  if (control.stopRequested) {
    reading.outcome = ReadOutcome::kStopped;
    return reading;
  }

  game->score = ReadTeamBox(game->text, *game->home, *game->visiting);
  // Text after the box (a second game joined to this one, say) is not read,
  // but never dropped without a word.
  const std::string_view after = NextTextLine(game->text);
  if (!after.empty()) LogNotUnderstood(context, run::ErrorKind::kTextAfterGame, after);
  if (!ResolveGroupsByRoster(context, *game)) {
    ResolveGroupsByPunts(context, *game, *game->home, *game->visiting);
  }
  ResolveDefenders(league, *game);
  league::InferPositions(league);
  reading.outcome = ReadOutcome::kRead;
  reading.game = std::move(game);
  return reading;
}

}  // namespace yl::transcript
