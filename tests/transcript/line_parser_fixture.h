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

// Reads the lines, then the lines again in reverse order, each in a buffer
// of its own size kept to the end (a guide points into the lines it has
// read), first into a play whose text is empty and then into one already
// holding `code` and a number; each read with a guide kept from line to line
// gives what reading the line without one gives. parse(parse, line, play,
// guide) reads a line; text(play) is the part of the play it fills.
template <typename Guide, typename Parse, typename Text>
void ExpectGuideChangesNothing(std::vector<std::string> lines, Parse parse, Text text,
                               transcript::PhraseCode code) {
  const std::size_t forward = lines.size();
  for (std::size_t i = forward; i-- > 0;)
    lines.push_back(lines[i]);
  std::vector<std::unique_ptr<char[]>> buffers;
  Guide guide;
  for (const bool filled : {false, true}) {
    for (const std::string& bytes : lines) {
      buffers.push_back(std::make_unique<char[]>(bytes.size()));
      if (!bytes.empty()) std::memcpy(buffers.back().get(), bytes.data(), bytes.size());
      const std::string_view line(buffers.back().get(), bytes.size());
      transcript::CurrentPlay alone;
      transcript::CurrentPlay guided;
      if (filled) {
        for (transcript::CurrentPlay* play : {&alone, &guided}) {
          text(*play).codes.push_back(code);
          text(*play).numbers.push_back(3);
        }
      }
      transcript::ParseContext aloneParse;
      transcript::ParseContext guidedParse;
      const bool read = parse(aloneParse, line, alone, nullptr);
      ASSERT_EQ(parse(guidedParse, line, guided, &guide), read) << bytes;
      EXPECT_EQ(std::vector(text(guided).codes.begin(), text(guided).codes.end()),
                std::vector(text(alone).codes.begin(), text(alone).codes.end()))
          << bytes;
      EXPECT_EQ(std::vector(text(guided).numbers.begin(), text(guided).numbers.end()),
                std::vector(text(alone).numbers.begin(), text(alone).numbers.end()))
          << bytes;
      EXPECT_EQ(guidedParse.notes.size(), aloneParse.notes.size()) << bytes;
    }
  }
}

}  // namespace yl::test
