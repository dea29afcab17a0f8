// The game loop: one transcript from its first line to "The game is over.",
// play block by play block, then the team box and the crediting of plays.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "league/league.h"
#include "run/input_files.h"
#include "transcript/current_play.h"
#include "transcript/extras.h"
#include "transcript/possession.h"
#include "transcript/reader.h"

namespace yl::run {
struct CompileRun;
}

namespace yl::transcript {

// The state of the transcript being read.
struct GameState {
  TranscriptText text;
  LineState current;
  bool playError = false;            // the play being read could not be understood
  std::int16_t possessionLabel = 1;  // the side in possession
  std::int16_t labelCounter = 1;     // the last label handed out
  GroupMap groupMap;
  LabelTable<std::uint16_t> puntsByGroup;  // punts kicked by each label

  league::TeamRecord* home = nullptr;
  league::TeamRecord* visiting = nullptr;
  ExtrasTable extras;

  // The game's plays in order; the arena owns them.
  std::deque<CurrentPlay> playArena;
  CurrentPlay* plays = nullptr;
  CurrentPlay* last = nullptr;
  std::int32_t playsCompleted = 0;
};

// Reads one transcript: its teams into the league model, its plays, its
// errors into the error log. Sets run.transcriptRejected when the transcript
// cannot be used at all.
void ProcessTranscript(run::CompileRun& run, const run::TransRecord& record);

// After a line that could not be understood: the line in hand and up to
// three more are tested for a play header or the game's end (which sets the
// play's gameOver). False when none is found: the transcript is rejected.
bool HeaderSearch(GameState& game, CurrentPlay& play);

// The re-rendered text of one play, for the per-play reports.
void EchoPlay(run::CompileRun& run, const GameState& game, const CurrentPlay& play);

}  // namespace yl::transcript
