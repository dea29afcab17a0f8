// The game reader.
#include "transcript/game_reader.h"

#include <algorithm>
#include <new>
#include <utility>

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

// The next line that holds more than blanks; empty at the end of the text.
std::string_view NextTextLine(TranscriptText& text) {
  LineState state;
  while (ReadLine(text, state), !state.atEnd) {
    if (state.line.find_first_not_of(" \t") != std::string_view::npos) return state.line;
  }
  return {};
}

// The parser's place in the transcript.
struct Parser {
  ParsedGame& game;
  DescriptionMemo& memo;
  HeaderGuide headerGuide;
  TextGuide gainsGuide;
  LineState current;
  ExtrasTable extras;

  void NextLine() { ReadLine(game.text, current); }
};

// Parses one play block into the game's last record. False when the
// transcript ends here (rejected by the header search).
bool ParsePlay(Parser& parser) {
  ParsedGame& game = parser.game;
  LineState& current = parser.current;
  CurrentPlay& play = game.plays.back();
  PlayMarks& marks = game.marks.back();
  const auto failed = [&](FailedLine line) {
    marks.failed = line;
    marks.searchFound = HeaderSearch(game.text, current, play);
    return marks.searchFound;
  };

  std::string_view header = current.line;
  if (current.indented) {
    const std::size_t first = header.find_first_not_of(' ');
    header.remove_prefix(first == std::string_view::npos ? header.size() : first);
  }
  const bool headerRead = ParseHeader(game.parse, header, play, &parser.headerGuide);
  marks.header = MarksOf(game.parse);
  if (!headerRead) {
    parser.NextLine();
    parser.NextLine();
    if (!current.sawBlank) parser.NextLine();
    return failed(FailedLine::kHeader);
  }
  play.situation = ResolveHeader(play.header);
  parser.NextLine();
  play.descriptionLine = current.line;
  const bool descriptionRead = ParseDescription(game.parse, current.line, play, &parser.memo);
  marks.description = MarksOf(game.parse);
  if (!descriptionRead) {
    parser.NextLine();
    if (!current.sawBlank) parser.NextLine();
    return failed(FailedLine::kDescription);
  }

  current.sawBlank = false;
  parser.NextLine();
  if (current.sawBlank) {
    play.gain = NoGainsLine();
    marks.gains = marks.description;
  } else {
    const bool gainsRead = ParseGains(game.parse, current.line, play, &parser.gainsGuide);
    marks.gains = MarksOf(game.parse);
    if (!gainsRead) {
      parser.NextLine();
      return failed(FailedLine::kGains);
    }
    ResolveGains(play.gains, play.gain);
    parser.NextLine();
  }

  marks.extrasBegin = marks.extrasEnd = game.extrasLines.size();
  while (!play.gameOver && !IsPlayHeader(current.line)) {
    // The end of the text is no extras line either: the search rejects.
    if (current.atEnd) return failed(FailedLine::kExtras);
    ExtrasLineRead line;
    line.valuesBegin = play.extras.nextValue;
    line.read = ParseExtras(game.parse, parser.extras, current.line, play);
    line.marks = MarksOf(game.parse);
    line.codesEnd = play.extras.codes.size();
    line.valuesEnd = play.extras.nextValue;
    run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] { game.extrasLines.push_back(line); });
    marks.extrasEnd = game.extrasLines.size();
    if (!line.read) return failed(FailedLine::kExtras);
    if (EndsGame(play.extras)) play.gameOver = true;
    EndExtrasLine(play.extras);
    if (!play.gameOver) parser.NextLine();
  }
  return true;
}

// Carries the parse of one play block into the league, the log and the
// play's record, and resolves what its lines say, in the order of its lines.
// False when the transcript is rejected here.
bool ResolvePlay(ReadContext& context, run::RunControl& control, GameState& game,
                 const ParsedGame& parsed, std::size_t k, const CurrentPlay* previous,
                 CarriedParse& carried) {
  CurrentPlay& play = game.plays[k];
  const PlayMarks& marks = parsed.marks[k];
  const auto failed = [&] {
    game.playError = true;
    return marks.searchFound;
  };
  CarryParse(context, parsed.parse, carried, marks.header);
  if (marks.failed == FailedLine::kHeader) return failed();
  CarryPossession(context, game, play, previous);
  CarryParse(context, parsed.parse, carried, marks.description);
  NameDescriptionPlayers(play.description, carried);
  if (marks.failed == FailedLine::kDescription) return failed();
  CarryFumble(game, play, previous);
  CarryParse(context, parsed.parse, carried, marks.gains);
  if (marks.failed == FailedLine::kGains) return failed();

  if (marks.extrasBegin != marks.extrasEnd) {
    // Each line's phrases and values join the play's as they were read, and
    // every phrase so far is resolved again after each line.
    const ExtrasText lines = play.extras;
    play.extras = ExtrasText();
    for (std::size_t l = marks.extrasBegin; l < marks.extrasEnd; ++l) {
      const ExtrasLineRead& line = parsed.extrasLines[l];
      ExtrasText& extras = play.extras;
      while (extras.codes.size() < line.codesEnd)
        extras.codes.push_back(lines.codes[extras.codes.size()]);
      for (std::size_t i = line.valuesBegin; i < std::min(line.valuesEnd, kExtrasSlots); ++i)
        extras.values[i] = lines.values[i];
      extras.nextValue = line.valuesEnd;
      CarryParse(context, parsed.parse, carried, line.marks);
      NameExtrasPlayers(extras, line.valuesBegin, line.valuesEnd, carried);
      if (!line.read) return failed();
      for (int half = ResolveExtras(context, *game.home, *game.visiting, play); half > 0; --half)
        control.platform.StepProgress(0, 25, "");
      EndExtrasLine(extras);
    }
  }
  if (marks.failed == FailedLine::kExtras) return failed();

  ResolveDescription(game, play);
  play.groupAfter = game.possessionLabel;
  ++game.playsCompleted;
  NextPossession(game, play);
  return true;
}

// Until a play has been completed, each play block's record was taken over
// by the next: only the last of them stays.
void DropReplacedRecords(GameState& game, std::size_t first) {
  game.plays.erase(game.plays.begin(), game.plays.begin() + static_cast<std::ptrdiff_t>(first));
}

}  // namespace

bool HeaderSearch(TranscriptText& text, LineState& current, CurrentPlay& play) {
  for (int tries = 0;; ++tries) {
    if (IsPlayHeader(current.line)) return true;
    if (IsGameOver(current.line)) {
      play.gameOver = true;
      return true;
    }
    if (tries == 3 || current.atEnd) return false;
    ReadLine(text, current);
  }
}

ParsedGame ParseGame(TranscriptText text) {
  DescriptionMemo memo;
  return ParseGame(std::move(text), memo);
}

ParsedGame ParseGame(TranscriptText text, DescriptionMemo& memo) {
  ParsedGame game;
  game.text = std::move(text);
  // A play takes some 200 bytes of a transcript: room for one per 150 bytes
  // spares a growing list the copies of its plays. A token comes every 100
  // bytes or so.
  constexpr std::size_t kBytesPerPlay = 150;
  constexpr std::size_t kBytesPerToken = 100;
  run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] {
    game.plays.reserve(game.text.text.size() / kBytesPerPlay + 16);
    game.marks.reserve(game.plays.capacity());
    game.parse.tokens.reserve(game.text.text.size() / kBytesPerToken + 16);
  });
  Parser parser{game, memo, {}, {}, {}, {}};
  parser.NextLine();
  if (!ParseFirstLine(parser.current.line, game.visiting, game.home)) {
    NoteNotUnderstood(game.parse, run::ErrorKind::kFirstLine, std::string_view());
    return game;
  }
  game.firstLineRead = true;
  parser.NextLine();
  PrepareExtrasPhrases(parser.extras, game.home, game.visiting);

  bool gameOver = false;
  while (!gameOver) {
    run::Allocating(run::ErrorKind::kPlayRecordMemory, [&] {
      game.plays.emplace_back();
      game.marks.emplace_back();
    });
    if (!ParsePlay(parser)) {
      // A text that ends before the game does was cut short.
      if (parser.current.atEnd) NoteNotUnderstood(game.parse, run::ErrorKind::kGameCutShort, {});
      return game;
    }
    gameOver = game.plays.back().gameOver;
  }
  return game;
}

ReadOutcome ResolveGame(ReadContext& context, run::RunControl& control, GameState& game,
                        ParsedGame parsed) {
  // Moving the text keeps its bytes where they are: the views stay valid.
  game.text = std::move(parsed.text);
  game.plays = std::move(parsed.plays);
  // A game left unfinished keeps what it made of its players' sides: the
  // next game's pass must then look at every player.
  const bool positionsInferred = std::exchange(context.league.positionsInferred, false);
  CarriedParse carried;
  const ParseMarks everything = MarksOf(parsed.parse);
  if (!parsed.firstLineRead) {
    CarryParse(context, parsed.parse, carried, everything);
    return ReadOutcome::kRejected;
  }
  league::League& league = context.league;
  game.home = league::FindOrCreateTeam(league, parsed.home);
  game.visiting = league::FindOrCreateTeam(league, parsed.visiting);

  run::StopCountdown countdown;
  std::size_t first = 0;  // the record that stays as the game's first
  for (std::size_t k = 0; k < game.plays.size(); ++k) {
    if (game.playError) {
      game.possessionLabel = NewLabel(game);
      game.playError = false;
    }
    if (countdown.Stopped(control)) return ReadOutcome::kStopped;
    if (game.playsCompleted == 0) first = k;
    game.plays[k].groupAtSnap = game.possessionLabel;
    const CurrentPlay* previous = k > first ? &game.plays[k - 1] : nullptr;
    if (!ResolvePlay(context, control, game, parsed, k, previous, carried)) {
      CarryParse(context, parsed.parse, carried, everything);
      DropReplacedRecords(game, first);
      return ReadOutcome::kRejected;
    }
  }
  DropReplacedRecords(game, first);
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
  // Only a game's players have sides the last pass has not seen.
  if (positionsInferred) {
    for (league::PlayerRecord* p : game.players.Named())
      league::InferPosition(*p);
    league.positionsInferred = true;
  } else {
    league::InferPositions(league);
  }
  return ReadOutcome::kRead;
}

ReadOutcome ReadGame(ReadContext& context, run::RunControl& control, GameState& game,
                     TranscriptText text) {
  return ResolveGame(context, control, game, ParseGame(std::move(text)));
}

void KeepFixedTeams(league::League& league, const GameState& game) {
  for (league::PlayerRecord* p : game.players.Named()) {
    if (!game.players.Of(*p).teamOpen) {
      p->teamFixed = true;
      league.teamsOpen = false;
    }
  }
}

}  // namespace yl::transcript
