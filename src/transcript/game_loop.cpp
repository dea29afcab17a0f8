// The game loop.
#include "transcript/game_loop.h"

#include <new>

#include "league/league.h"
#include "reports/report_buffer.h"
#include "reports/report_driver.h"
#include "run/alert.h"
#include "run/compile_run.h"
#include "run/error_log.h"
#include "stats/accumulate.h"
#include "transcript/description.h"
#include "transcript/description_phrases.h"
#include "transcript/gains.h"
#include "transcript/gains_phrases.h"
#include "transcript/header.h"
#include "transcript/header_phrases.h"
#include "transcript/meaning.h"
#include "transcript/possession.h"
#include "transcript/team_box.h"

namespace yl::transcript {

namespace {

void NextLine(GameState& game) {
  ReadLine(game.text, game.current);
}

// The record of the next attempt: the first record until a play has been
// completed, then a new one linked after the last.
CurrentPlay& NextRecord(GameState& game) {
  if (game.plays == nullptr || game.playsCompleted > 0) {
    CurrentPlay* play = nullptr;
    try {
      play = &game.playArena.emplace_back();
    } catch (const std::bad_alloc&) {
      run::ErrorAlert("pProcessTranscript Error: Couldn't allocate play record.",
                      "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.");
    }
    if (game.plays == nullptr) {
      game.plays = play;
    } else {
      game.last->next = play;
      play->previous = game.last;
    }
    game.last = play;
  }
  CurrentPlay& play = *game.last;
  CurrentPlay* previous = play.previous;
  play = CurrentPlay();
  play.previous = previous;
  play.homeTeam = game.home;
  play.visitingTeam = game.visiting;
  play.groupAtSnap = game.possessionLabel;
  return play;
}

// Reads one play block into the play. False when the transcript ends here
// (rejected by the header search).
bool ReadPlay(run::CompileRun& run, GameState& game, CurrentPlay& play) {
  std::string_view header = game.current.line;
  if (game.current.indented) {
    const std::size_t first = header.find_first_not_of(' ');
    header.remove_prefix(first == std::string_view::npos ? header.size() : first);
  }
  if (!ParseHeader(run, header, play)) {
    game.playError = true;
    NextLine(game);
    NextLine(game);
    if (!game.current.sawBlank) NextLine(game);
    return HeaderSearch(game, play);
  }
  ResolveHeader(play);
  CarryPossession(run, game, play);
  NextLine(game);
  if (!ParseDescription(run, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    if (!game.current.sawBlank) NextLine(game);
    return HeaderSearch(game, play);
  }
  CarryFumble(run, game, play);

  game.current.sawBlank = false;
  NextLine(game);
  if (game.current.sawBlank) {
    MarkNoGainsLine(play);
  } else if (!ParseGains(run, game.current.line, play)) {
    game.playError = true;
    NextLine(game);
    return HeaderSearch(game, play);
  } else {
    ResolveGains(play);
    NextLine(game);
  }

  while (!play.gameOver && !IsPlayHeader(game.current.line)) {
    if (game.current.atEnd || !ParseExtras(run, game.extras, game.current.line, play)) {
      // The end of the text is no extras line either: the search rejects.
      game.playError = true;
      return HeaderSearch(game, play);
    }
    ResolveExtras(run, play);
    ++play.extrasValueCount;  // value slot i stays paired with phrase i across lines
    if (!play.gameOver) NextLine(game);
  }

  if (!game.playError) {
    ResolveDescription(run, game, play);
    play.groupAfter = game.possessionLabel;
    ++game.playsCompleted;
    NextPossession(game, play);
  }
  return true;
}

// Tests stopRequested before the first play and then before every ninth.
class StopCountdown {
 public:
  bool Stopped(run::CompileRun& run) {
    if (countdown_ != 0) {
      --countdown_;
      return false;
    }
    run.platform.YieldHook();
    countdown_ = 8;
    return run.stopRequested;
  }

 private:
  int countdown_ = 0;
};

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

void ProcessTranscript(run::CompileRun& run, const run::TransRecord& record) {
  run.transcriptRejected = false;
  auto game = std::make_unique<GameState>();
  LoadTranscript(record, game->text);
  NextLine(*game);
  std::string visiting;
  std::string home;
  if (!ParseFirstLine(game->current.line, visiting, home)) {
    run::LogTranscriptError(run, run.currentTranscriptName, run::kFirstLine, std::string_view());
    run.transcriptRejected = true;
    return;
  }
  game->home = league::FindOrCreateTeam(run.league, home);
  game->home->homeFlag = 1;
  game->visiting = league::FindOrCreateTeam(run.league, visiting);
  game->visiting->homeFlag = 0;
  run.visitingTeamName = game->visiting->name;
  run.homeTeamName = game->home->name;
  NextLine(*game);
  for (league::PlayerRecord* p = run.league.players; p != nullptr; p = p->next) {
    p->teamGroup = 0;
    p->otherGroup = 0;
  }
  PrepareExtrasPhrases(game->extras, *game->home, *game->visiting);
  if (run.options.gameStats) stats::ResetGameCredit(run);

  StopCountdown countdown;
  bool gameOver = false;
  while (!gameOver) {
    if (game->playError) {
      game->possessionLabel = NewLabel(*game);
      game->playError = false;
    }
    if (countdown.Stopped(run)) return;
    CurrentPlay& play = NextRecord(*game);
    if (!ReadPlay(run, *game, play)) {
      run.transcriptRejected = true;
      return;
    }
    gameOver = play.gameOver != 0;
  }
  if (run.stopRequested) return;

  ReadTeamBox(game->text, *game->home, *game->visiting);
  if (!ResolveGroupsByRoster(run, *game)) {
    ResolveGroupsByPunts(run, *game, *game->home, *game->visiting);
  }
  ResolveDefenders(run, *game);
  league::InferPositions(run.league);

  stats::GameCredit credit{run, [&map = game->groupMap](std::int16_t label) { return map[label]; }};
  StopCountdown creditCountdown;
  for (CurrentPlay* play = game->plays; play != nullptr; play = play->next) {
    if (creditCountdown.Stopped(run)) break;
    if (!play->noPlay) stats::AccumulatePlay(credit, *play);
    if (run.options.perPlayStats) {
      EchoPlay(run, *game, *play);
      reports::WriteReports(run);
      league::ReleaseAllPlayerStats(run.league);
    }
  }
}

namespace {

void WritePlayer(run::CompileRun& run, const league::PlayerRecord* player) {
  if (player == nullptr) return;
  reports::WriteString(run, "#");
  reports::WriteString(run, std::to_string(player->number));
  reports::WriteString(run, "-");
  reports::WriteString(run, player->name);
}

}  // namespace

void EchoPlay(run::CompileRun& run, const GameState& game, const CurrentPlay& play) {
  using reports::WriteString;
  const std::string_view end = options::LineEnding(run.options.fileFormat);
  if (play.headerCount > 0) {
    WriteString(run, end);
    for (int i = 0; i < play.headerCount; ++i) {
      const std::int16_t code = play.headerCodes[i];
      WriteString(run, HeaderPhraseText(code));
      if (i >= play.headerNumberCount) continue;
      const int number = play.headerNumbers[i];
      // The clock's seconds are written with two digits, as a clock shows them.
      const bool seconds = play.headerCodes[i] == kClockCode;
      if (seconds && number >= 0 && number < 10) WriteString(run, "0");
      WriteString(run, std::to_string(number));
    }
    WriteString(run, end);
  }
  if (play.descCount > 0) {
    WriteString(run, end);
    const bool phraseFirst = play.descCount > play.descPlayerCount;
    for (int i = 0; i < play.descCount; ++i) {
      const league::PlayerRecord* player = i < play.descPlayerCount ? play.descPlayers[i] : nullptr;
      if (!phraseFirst) WritePlayer(run, player);
      WriteString(run, DescriptionPhraseText(play.descCodes[i]));
      if (phraseFirst) WritePlayer(run, player);
    }
    WriteString(run, end);
  }
  if (play.gainsCount > 0) {
    for (int i = 0; i < play.gainsCount; ++i) {
      const std::int16_t code = play.gainsCodes[i];
      if (code >= 0 && code < kGainsPhraseCount) WriteString(run, kGainsPhrases[code].text);
      if (i < kGainsSlots && play.gainsNumbers[i] != 0)
        WriteString(run, std::to_string(play.gainsNumbers[i]));
    }
    WriteString(run, end);
  }
  if (play.extrasCount > 0) {
    WriteString(run, end);
    for (int i = 0; i < play.extrasCount; ++i) {
      const int code = play.extrasCodes[i];
      if (code < 0 || code >= kExtrasPhraseCount) continue;
      const std::string_view phrase = game.extras.TextOfCode(code);
      WriteString(run, phrase);
      const ExtrasArgument argument = kExtrasPhrases[static_cast<std::size_t>(code)].argument;
      if (argument == ExtrasArgument::kPlayer) WritePlayer(run, play.extrasValues[i].player);
      if (argument == ExtrasArgument::kNumber)
        WriteString(run, std::to_string(play.extrasValues[i].number));
      if (!phrase.empty() && phrase.back() == '.') WriteString(run, end);
    }
  }
  WriteString(run, end);
}

}  // namespace yl::transcript
