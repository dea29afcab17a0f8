// Whole transcripts read by the game reader into a fresh league model, with
// an error log whose bytes can be read back.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "league/league.h"
#include "options/output_options.h"
#include "run/error_log.h"
#include "run/run_control.h"
#include "support/fake_platform.h"
#include "transcript/game_reader.h"

namespace yl::test {

struct GameReaderFixture : testing::Test {
  FakePlatform platform;
  league::League league;
  run::FileSystem files;
  run::ErrorLog errorLog{platform, files, options::LineEnds::kUnix};
  run::RunControl control{platform};
  // The game last read and how its reading ended.
  std::unique_ptr<transcript::GameState> game;
  transcript::ReadOutcome outcome = transcript::ReadOutcome::kRejected;

  GameReaderFixture() { run::InitErrorLog(errorLog); }

  // Reads the text as the transcript T, a game of its own.
  transcript::ReadOutcome Read(const std::string& text) {
    game = std::make_unique<transcript::GameState>();
    transcript::ReadContext context{league, game->players, errorLog, "T"};
    transcript::TranscriptText transcript;
    transcript.text.assign(text.begin(), text.end());
    outcome = transcript::ReadGame(context, control, *game, std::move(transcript));
    return outcome;
  }
  std::string Log() const { return std::string(errorLog.buffer.data(), errorLog.fill); }
};

}  // namespace yl::test
