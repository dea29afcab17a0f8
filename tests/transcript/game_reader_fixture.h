// Whole transcripts read by the game reader into a fresh league model, with
// an error log whose bytes can be read back.
#pragma once

#include <gtest/gtest.h>

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
  transcript::ReadContext context{league, errorLog, "T"};
  run::RunControl control{platform};
  transcript::GameReading reading;

  GameReaderFixture() { run::InitErrorLog(errorLog); }

  // Reads the text as the transcript T.
  transcript::ReadOutcome Read(const std::string& text) {
    transcript::TranscriptText transcript;
    transcript.text.assign(text.begin(), text.end());
    reading = transcript::ReadGame(context, control, std::move(transcript));
    return reading.outcome;
  }
  std::string Log() const { return std::string(errorLog.buffer.data(), errorLog.fill); }
};

}  // namespace yl::test
