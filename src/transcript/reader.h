// The transcript reader: the whole file in memory, cut into lines, the first
// line's two teams, the play-header test, the one text comparison that every
// parser uses, and what reading writes besides the game.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "league/league.h"
#include "run/error_log.h"
#include "run/file_layer.h"
#include "run/input_files.h"
#include "transcript/current_play.h"
#include "transcript/game_players.h"

namespace yl::transcript {

constexpr std::size_t kMaxLine = 499;  // longest line a parser accepts
constexpr std::size_t kMaxTeamNameOnFirstLine = 32;
constexpr std::uint8_t kEllipsis = 0xC9;  // Mac OS Roman horizontal ellipsis

// The transcript text and the reading position over it.
struct TranscriptText {
  run::FileBytes text;         // the file's bytes, exactly as stored
  std::int32_t position = -1;  // index of the last byte consumed
};

// The current line of a transcript and what ReadLine found around it.
struct LineState {
  std::string_view line;  // a view into the text; never past its end
  bool sawBlank = false;  // an empty line was skipped before it (never cleared here)
  bool indented = false;  // it begins with a blank
  bool atEnd = false;     // no line was left to read
  // Longer lines than a parser accepts are refused as not understood.
  bool TooLong() const { return line.size() > kMaxLine; }
};

// What reading a transcript writes to: the players and teams it names go
// into the league model and onto the game's list of players, the lines it
// cannot read into the error log under the transcript's name.
struct ReadContext {
  league::League& league;
  GamePlayers& players;
  run::ErrorLog& errorLog;
  std::string transcriptName;  // at most 63 characters
};

// The player a token names (league::FindOrCreatePlayer), put on the game's
// list; nullptr for a token that names nobody.
league::PlayerRecord* NamePlayer(ReadContext& context, std::string_view token);

// Logs a line of the transcript that could not be read, with the kind's
// message.
void LogNotUnderstood(ReadContext& context, run::ErrorKind kind, std::string_view text);

// A line that could not be understood, found while parsing.
struct ParseNote {
  run::ErrorKind kind;
  std::string_view text;  // a view into the transcript's text
};

// The texts of the tokens a game met, each once, in the order first met:
// tokens of one text name one player. A text is a view into the
// transcript's text.
struct TokenText {
  std::string_view text;
  league::PlayerToken token;  // what it says
};
class TokenTexts {
 public:
  // The text's index, or kNotEntered. (A plain number: an optional one was
  // returned through memory, its two parts stored apart and loaded as one,
  // which stalls the load.)
  static constexpr std::uint32_t kNotEntered = UINT32_MAX;
  std::uint32_t Find(std::string_view text) const;
  // Enters a text Find does not know, with what it says; gives its index.
  std::uint32_t Enter(std::string_view text, const league::PlayerToken& token);
  const TokenText& operator[](std::uint32_t i) const { return texts_[i]; }
  void clear();

 private:
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t index = UINT32_MAX;  // UINT32_MAX: empty
  };
  static std::uint32_t HashOf(std::string_view text);
  void Grow();
  std::vector<TokenText> texts_;
  std::vector<Slot> slots_;  // a power of two of them, at most half taken
};

// What parsing a transcript's lines writes besides the plays. It needs
// nothing of the league, so that transcripts can be parsed ahead of the game
// being credited, on other threads: the tokens that name players, in the
// order they were met (also those met on a reading that was then given up:
// looking a token up may create its player), and the lines that could not
// be understood. Both are carried into the league and the error log later,
// in their places among the reader's own steps (CarryParse).
struct ParseContext {
  // Each token met, in order (its TokenNumber): the index of its text.
  std::vector<std::uint32_t> tokens;
  TokenTexts texts;
  std::vector<ParseNote> notes;
};

// How much of a ParseContext a step of reading had written.
struct ParseMarks {
  std::size_t tokens = 0;
  std::size_t notes = 0;
};
inline ParseMarks MarksOf(const ParseContext& parse) {
  return {parse.tokens.size(), parse.notes.size()};
}

// The token's number when it names a player (noted in the context);
// kNoToken, and nothing noted, when it names nobody.
TokenNumber NoteToken(ParseContext& parse, std::string_view token);

void NoteNotUnderstood(ParseContext& parse, run::ErrorKind kind, std::string_view text);

// How far a ParseContext has been carried into the league and the log.
struct CarriedParse {
  std::vector<league::PlayerRecord*> players;  // of the tokens looked up so far, by number
  std::vector<league::PlayerRecord*> byText;   // of their texts, by the texts' index
  std::size_t notesLogged = 0;
};

// Looks up the tokens up to `upTo.tokens` not looked up yet, in order
// (NamePlayer: each is put on the game's list), then logs the notes up to
// `upTo.notes`: a line's tokens are met before the line is found wanting.
void CarryParseUpTo(ReadContext& context, const ParseContext& parse, CarriedParse& carried,
                    ParseMarks upTo);
inline void CarryParse(ReadContext& context, const ParseContext& parse, CarriedParse& carried,
                       ParseMarks upTo) {
  // Most steps of reading note nothing.
  if (carried.players.size() < upTo.tokens || carried.notesLogged < upTo.notes)
    CarryParseUpTo(context, parse, carried, upTo);
}

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The eight bytes at `bytes` as one word, for comparing texts a word at a
// time.
inline std::uint64_t WordAt(const char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

#if defined(__SSE2__)
// The sixteen bytes at `bytes` as bits: bit k set when byte k is a digit.
inline unsigned DigitBits(const char* bytes) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
  return static_cast<unsigned>(
      _mm_movemask_epi8(_mm_and_si128(_mm_cmpgt_epi8(block, _mm_set1_epi8('0' - 1)),
                                      _mm_cmplt_epi8(block, _mm_set1_epi8('9' + 1)))));
}
#endif

// The position of the first digit at or after `from`; the line's size when
// none is.
inline std::size_t NextDigit(std::string_view line, std::size_t from) {
  std::size_t i = from;
#if defined(__SSE2__)
  for (; i + 16 <= line.size(); i += 16) {
    const unsigned digits = DigitBits(line.data() + i);
    if (digits != 0) return i + static_cast<std::size_t>(__builtin_ctz(digits));
  }
#endif
  while (i < line.size() && !IsDigit(line[i]))
    ++i;
  return i;
}

// ASCII letters in upper case; every other byte as it is.
constexpr char FoldCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The unsigned decimal digit run at p, p moved past it; none for a number
// above 32767, which no field of a play holds.
inline std::optional<std::int16_t> ReadNumber(std::string_view line, std::size_t& p) {
  if constexpr (std::endian::native == std::endian::little) {
    // A run of up to three digits with a byte after it (most numbers of a
    // play) is read from one word, without a branch per digit.
    if (p + 4 <= line.size()) {
      std::uint32_t word;
      std::memcpy(&word, line.data() + p, sizeof word);
      // A byte's top bit: set where the byte is from "0" to "9".
      const std::uint32_t low = word & 0x7F7F7F7Fu;
      const std::uint32_t digits = (low + 0x50505050u) & ~(low + 0x46464646u) & ~word & 0x80808080u;
      const std::uint32_t others = ~digits & 0x80808080u;
      if (others != 0) {
        const int length = __builtin_ctz(others) / 8;
        if (length == 0) return std::int16_t{0};
        // The digits moved to the word's top bytes, zeros before them, then
        // joined in pairs and the pairs in one.
        std::uint32_t value = (word & 0x0F0F0F0Fu) << (8 * (4 - length));
        value = (value * 10 + (value >> 8)) & 0x00FF00FFu;
        value = (value * 100 + (value >> 16)) & 0x0000FFFFu;
        p += static_cast<std::size_t>(length);
        return static_cast<std::int16_t>(value);
      }
    }
  }
  constexpr std::uint32_t kLargest = INT16_MAX;
  std::uint32_t value = 0;
  bool fits = true;
  while (p < line.size() && IsDigit(line[p])) {
    value = value * 10u + static_cast<std::uint32_t>(line[p] - '0');
    // Held at the limit, so that a run of any length cannot wrap.
    if (value > kLargest) {
      fits = false;
      value = kLargest;
    }
    ++p;
  }
  if (!fits) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

// Reads the whole file; a file that cannot be opened, read or closed is
// fatal.
TranscriptText LoadTranscript(run::FileSystem& files, const run::TransRecord& record);

// Reads the next line: CR, LF and CR LF all end a line; extra terminators
// (empty lines) set sawBlank. Returns the line's length.
std::size_t ReadLine(TranscriptText& text, LineState& state);

// Prefix test of phrase against text (wholeString: the lengths must match
// too); without caseSensitive only ASCII letters fold.
bool MatchPhrase(std::string_view text, std::string_view phrase, bool caseSensitive,
                 bool wholeString);

// MatchPhrase(text, phrase, true, false), for the parsers' inner loops: most
// phrases tried differ in their first byte.
inline bool StartsWithPhrase(std::string_view text, std::string_view phrase) {
  if (phrase.size() > text.size()) return false;
  if (phrase.size() >= 16) return text.starts_with(phrase);
  for (std::size_t i = 0; i < phrase.size(); ++i) {
    if (text[i] != phrase[i]) return false;
  }
  return true;
}

// First non-blank byte "W", and not ending in a single full stop.
bool IsPlayHeader(std::string_view line);

// True when the line is the game's end: "The game is over." in any case,
// perhaps followed by more text.
bool IsGameOver(std::string_view line);

// "Visitor (3-2) vs Home (4-1)": a team's record is a parenthesised text
// holding a digit; parentheses without a digit belong to the name. A line
// that names the same team twice (letter case ignored) is refused.
bool ParseFirstLine(std::string_view line, std::string& visiting, std::string& home);

}  // namespace yl::transcript
