// The game reader: one transcript from its first line to "The game is over.",
// play block by play block, then the team box, the naming of the possession
// groups and the positions. It reads in two steps: parsing the lines, which
// needs nothing but the text, and resolving what they say against the
// league. It credits nothing and writes no report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "league/league.h"
#include "run/run_control.h"
#include "transcript/current_play.h"
#include "transcript/description.h"
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
  bool playError = false;            // the play being read could not be understood
  std::int16_t possessionLabel = 1;  // the side in possession
  std::int16_t labelCounter = 1;     // the last label handed out
  GroupMap groupMap;
  LabelTable<std::uint16_t> puntsByGroup;  // punts kicked by each label
  GamePlayers players;

  league::TeamRecord* home = nullptr;
  league::TeamRecord* visiting = nullptr;
  GameScore score;  // from the team box

  // The game's plays in order, also those whose reading failed.
  std::vector<CurrentPlay> plays;
  std::int32_t playsCompleted = 0;
};

enum class ReadOutcome : std::uint8_t {
  kRead,      // the whole game, its team box included
  kRejected,  // the transcript cannot be used at all
  kStopped,   // the user stopped the run while it was read
};

// The line of a play block whose reading failed.
enum class FailedLine : std::uint8_t { kNone, kHeader, kDescription, kGains, kExtras };

// What parsing one extras line of a play left.
struct ExtrasLineRead {
  ParseMarks marks;             // the game's parse context after the line
  std::size_t codesEnd = 0;     // the play's phrases after the line
  std::size_t valuesBegin = 0;  // the value slots the line filled (the end may pass the last)
  std::size_t valuesEnd = 0;
  bool read = false;  // the line was cut whole
};

// How the parsing of one play block went, beside the play's record.
struct PlayMarks {
  ParseMarks header;  // the game's parse context after each line
  ParseMarks description;
  ParseMarks gains;
  std::size_t extrasBegin = 0;  // its extras lines in ParsedGame::extrasLines
  std::size_t extrasEnd = 0;
  FailedLine failed = FailedLine::kNone;
  // After a failed line: the header search found the next play or the
  // game's end. False: the transcript is rejected here.
  bool searchFound = true;
};

// A transcript parsed and not yet resolved: what its lines say, with
// players as tokens and the lines not understood as notes. Parsing needs
// nothing of the league, so that the next transcripts can be parsed ahead,
// on other threads, while one thread resolves and credits the games in
// order.
struct ParsedGame {
  TranscriptText text;  // positioned after the line that ended the plays
  bool firstLineRead = false;
  std::string visiting;
  std::string home;
  ParseContext parse;
  // One record per play block read, with how its reading went. A block
  // whose reading fails before any play has been completed gives its record
  // over to the next one (ResolveGame keeps only the last of them).
  std::vector<CurrentPlay> plays;
  std::vector<PlayMarks> marks;
  std::vector<ExtrasLineRead> extrasLines;
};

// Parses one transcript's text: its first line, then play block by play
// block to "The game is over." or to where the transcript is rejected. A
// thread that parses one transcript after another passes its own memo.
ParsedGame ParseGame(TranscriptText text, DescriptionMemo& memo);
ParsedGame ParseGame(TranscriptText text);

// Resolves a parsed transcript into the game (context.players must be the
// game's players): its teams and players into the league model (also when
// it is rejected later), the lines it cannot read into the error log, in
// the order reading them line by line would give. The end of the first half
// steps the progress display; the stop flag is tested between plays.
ReadOutcome ResolveGame(ReadContext& context, run::RunControl& control, GameState& game,
                        ParsedGame parsed);

// Both, one after the other.
ReadOutcome ReadGame(ReadContext& context, run::RunControl& control, GameState& game,
                     TranscriptText text);

// A rejected game is not released: the teams it fixed stay fixed in the
// next game.
void KeepFixedTeams(league::League& league, const GameState& game);

// After a line that could not be understood: the line in hand and up to
// three more are tested for a play header or the game's end (which sets the
// play's gameOver). False when none is found: the transcript is rejected.
bool HeaderSearch(TranscriptText& text, LineState& current, CurrentPlay& play);

// The play after plays[i], if any.
inline const CurrentPlay* NextPlay(const GameState& game, std::size_t i) {
  return i + 1 < game.plays.size() ? &game.plays[i + 1] : nullptr;
}

}  // namespace yl::transcript
