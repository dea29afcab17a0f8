// The game loop: one transcript from its first line to "The game is over.",
// play block by play block.
#pragma once

#include <cstdint>

#include "run/input_files.h"
#include "transcript/reader.h"

namespace yl::run {
struct CompileRun;
}

namespace yl::transcript {

// The state of the transcript being read.
struct GameState {
  TranscriptText text;
  LineState current;
  bool playError = false;  // the play being read could not be understood
  bool gameOver = false;
  std::int16_t possessionLabel = 1;
  std::int16_t labelCounter = 1;
  std::int32_t playsCompleted = 0;
};

// Reads one transcript: its teams into the league model, its plays, its
// errors into the error log. Sets run.transcriptRejected when the transcript
// cannot be used at all.
void ProcessTranscript(run::CompileRun& run, const run::TransRecord& record);

// After a line that could not be understood: the line in hand and up to
// three more are tested for a play header or the game's end. False when
// none is found (the transcript is then rejected).
bool HeaderSearch(GameState& game);

}  // namespace yl::transcript
