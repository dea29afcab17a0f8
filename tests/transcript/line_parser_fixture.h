// What the line parsers write into, fresh for each test: a league model and
// an error log whose entries can be read back, and lines handed over in
// buffers of exactly their size so that the sanitizer sees any read beyond a
// line.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "options/output_options.h"
#include "run/error_log.h"
#include "support/fake_platform.h"
#include "transcript/current_play.h"
#include "transcript/game_reader.h"
#include "transcript/reader.h"

namespace yl::test {

struct LoggedEntry {
  std::string name;
  std::string message;
  std::string text;
  bool operator==(const LoggedEntry&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const LoggedEntry& e) {
  return out << "{" << e.name << " | " << e.message << " | " << e.text << "}";
}

class LineParserTest : public testing::Test {
 protected:
  LineParserTest() { run::InitErrorLog(errorLog); }

  // Calls parse(context, line, play) with the line in a buffer of its own size.
  using LineParser = bool (*)(transcript::ReadContext&, std::string_view, transcript::CurrentPlay&);
  bool ParseExact(LineParser parse, std::string_view line) {
    buffer = std::make_unique<char[]>(line.size());
    if (!line.empty()) std::memcpy(buffer.get(), line.data(), line.size());
    return parse(context, std::string_view(buffer.get(), line.size()), play);
  }

  // The entries in the log buffer, three lines each.
  std::vector<LoggedEntry> Logged() const {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < errorLog.fill; ++i) {
      const char c = errorLog.buffer[i];
      if (c == '\n') {
        lines.push_back(current);
        current.clear();
      } else {
        current += c;
      }
    }
    std::vector<LoggedEntry> entries;
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
      entries.push_back({lines[i], lines[i + 1], lines[i + 2]});
    }
    return entries;
  }

  // What the game says of a player.
  transcript::InGame& In(const league::PlayerRecord* player) { return game->players[*player]; }

  LoggedEntry Entry(std::string_view message, std::string_view text) const {
    return {context.transcriptName, std::string(message), std::string(text)};
  }

  FakePlatform platform;
  league::League league;
  run::FileSystem files;
  run::ErrorLog errorLog{platform, files, options::LineEnds::kUnix};
  // The game being read; its players are the context's.
  std::unique_ptr<transcript::GameState> game = std::make_unique<transcript::GameState>();
  transcript::ReadContext context{league, game->players, errorLog, "Eagles at Bears"};
  transcript::CurrentPlay play;
  std::unique_ptr<char[]> buffer;
};

}  // namespace yl::test
