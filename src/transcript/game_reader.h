// The game reader: one transcript from its first line to "The game is over.",
// play block by play block, then the team box, the naming of the possession
// groups and the positions. It credits nothing and writes no report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "league/league.h"
#include "run/run_control.h"
#include "transcript/current_play.h"
#include "transcript/extras.h"
#include "transcript/game_players.h"
#include "transcript/possession.h"
#include "transcript/reader.h"
#include "transcript/team_box.h"

namespace yl::transcript {

// The state of the transcript being read; once read, the game: its teams,
// its plays in order, its players' possession groups and the merges of the
// labels. Everything that lives for one game is here, so releasing a game
// is destroying its GameState.
struct GameState {
  TranscriptText text;
  LineState current;
  bool playError = false;            // the play being read could not be understood
  std::int16_t possessionLabel = 1;  // the side in possession
  std::int16_t labelCounter = 1;     // the last label handed out
  GroupMap groupMap;
  LabelTable<std::uint16_t> puntsByGroup;  // punts kicked by each label
  GamePlayers players;

  league::TeamRecord* home = nullptr;
  league::TeamRecord* visiting = nullptr;
  GameScore score;  // from the team box
  ExtrasTable extras;

  // The game's plays in order, also those whose reading failed.
  std::vector<CurrentPlay> plays;
  std::int32_t playsCompleted = 0;
};

enum class ReadOutcome : std::uint8_t {
  kRead,      // the whole game, its team box included
  kRejected,  // the transcript cannot be used at all
  kStopped,   // the user stopped the run while it was read
};

// Reads one transcript's text into the game (context.players must be the
// game's players): its teams and players into the league model (also when
// it is rejected later), the lines it cannot read into the error log. The
// end of the first half steps the progress display; the stop flag is tested
// between plays.
ReadOutcome ReadGame(ReadContext& context, run::RunControl& control, GameState& game,
                     TranscriptText text);

// A rejected game is not released: the teams it fixed stay fixed in the
// next game.
void KeepFixedTeams(const GameState& game);

// After a line that could not be understood: the line in hand and up to
// three more are tested for a play header or the game's end (which sets the
// play's gameOver). False when none is found: the transcript is rejected.
bool HeaderSearch(GameState& game, CurrentPlay& play);

// The play after plays[i], if any.
inline const CurrentPlay* NextPlay(const GameState& game, std::size_t i) {
  return i + 1 < game.plays.size() ? &game.plays[i + 1] : nullptr;
}

}  // namespace yl::transcript
