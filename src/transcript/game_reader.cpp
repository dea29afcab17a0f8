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

// The record of the next attempt: the first record again until a play has
// been completed, then a new one after the last.
CurrentPlay& NextRecord(GameState& game) {
  if (game.plays.empty() || game.playsCompleted > 0) {
    run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] { game.plays.emplace_back(); });
  } else {
    game.plays.back() = CurrentPlay();
  }
  CurrentPlay& play = game.plays.back();
  play.groupAtSnap = game.possessionLabel;
  return play;
}

// Reads one play block into the game's last play. False when the transcript
// ends here (rejected by the header search).
bool ReadPlay(ReadContext& context, run::RunControl& control, GameState& game) {
  CurrentPlay& play = game.plays.back();
  const CurrentPlay* previous =
      game.plays.size() > 1 ? &game.plays[game.plays.size() - 2] : nullptr;
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
  play.situation = ResolveHeader(play.header);
  CarryPossession(context, game, play, previous);
  NextLine(game);
  play.descriptionLine = game.current.line;
  if (!ParseDescription(context, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    if (!game.current.sawBlank) NextLine(game);
    return HeaderSearch(game, play);
  }
  CarryFumble(game, play, previous);

  game.current.sawBlank = false;
  NextLine(game);
  if (game.current.sawBlank) {
    play.gain = NoGainsLine();
  } else if (!ParseGains(context, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    return HeaderSearch(game, play);
  } else {
    play.gain = ResolveGains(play.gains);
    NextLine(game);
  }

  while (!play.gameOver && !IsPlayHeader(game.current.line)) {
    if (game.current.atEnd || !ParseExtras(context, game.extras, game.current.line, play)) {
      // The end of the text is no extras line either: the search rejects.
      game.playError = true;
      return HeaderSearch(game, play);
    }
    for (int half = ResolveExtras(context, *game.home, *game.visiting, play); half > 0; --half)
      control.platform.StepProgress(0, 25, "");
    EndExtrasLine(play.extras);
    if (!play.gameOver) NextLine(game);
  }

  if (!game.playError) {
    ResolveDescription(game, play);
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
      play.gameOver = true;
      return true;
    }
    if (tries == 3 || game.current.atEnd) return false;
    NextLine(game);
  }
}

ReadOutcome ReadGame(ReadContext& context, run::RunControl& control, GameState& game,
                     TranscriptText text) {
  game.text = std::move(text);
  // A play takes some 200 bytes of a transcript: room for one per 150 bytes
  // spares a growing list the copies of its plays.
  constexpr std::size_t kBytesPerPlay = 150;
  run::Allocating(run::ErrorKind::kPlayRecordMemory,
                  [&] { game.plays.reserve(game.text.text.size() / kBytesPerPlay + 16); });
  NextLine(game);
  std::string visiting;
  std::string home;
  if (!ParseFirstLine(game.current.line, visiting, home)) {
    LogNotUnderstood(context, run::ErrorKind::kFirstLine, std::string_view());
    return ReadOutcome::kRejected;
  }
  league::League& league = context.league;
  game.home = league::FindOrCreateTeam(league, home);
  game.visiting = league::FindOrCreateTeam(league, visiting);
  NextLine(game);
  PrepareExtrasPhrases(game.extras, *game.home, *game.visiting);

  run::StopCountdown countdown;
  bool gameOver = false;
  while (!gameOver) {
    if (game.playError) {
      game.possessionLabel = NewLabel(game);
      game.playError = false;
    }
    if (countdown.Stopped(control)) return ReadOutcome::kStopped;
    NextRecord(game);
    if (!ReadPlay(context, control, game)) {
      // A text that ends before the game does was cut short.
      if (game.current.atEnd) LogNotUnderstood(context, run::ErrorKind::kGameCutShort, {});
      return ReadOutcome::kRejected;
    }
    gameOver = game.plays.back().gameOver;
  }
  if (control.stopRequested) return ReadOutcome::kStopped;
  // A box cut short would read as a game of no points and no yards, a
  // number too large as another number.
  if (const std::optional<BoxFault> fault = CheckTeamBox(game.text)) {
    LogNotUnderstood(context, fault->kind, fault->line);
    return ReadOutcome::kRejected;
  }

  game.score = ReadTeamBox(game.text, *game.home, *game.visiting);
  // Text after the box (a second game joined to this one, say) is not read,
  // but never dropped without a word.
  const std::string_view after = NextTextLine(game.text);
  if (!after.empty()) LogNotUnderstood(context, run::ErrorKind::kTextAfterGame, after);
  if (!ResolveGroupsByRoster(context, game)) {
    ResolveGroupsByPunts(context, game, *game.home, *game.visiting);
  }
  ResolveDefenders(league, game);
  league::InferPositions(league);
  return ReadOutcome::kRead;
}

void KeepFixedTeams(const GameState& game) {
  for (league::PlayerRecord* p : game.players.Named()) {
    if (!game.players.Of(*p).teamOpen) p->teamFixed = true;
  }
}

}  // namespace yl::transcript
