// The play header.
#include "transcript/header.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "run/error_log.h"
#include "transcript/header_phrases.h"
#include "transcript/reader.h"
#include "transcript/whole_phrase.h"

namespace yl::transcript {

namespace {

// Appends the first phrase (in trial order) that starts at `at`, among those
// not longer than `room`, and moves `at` past it.
[[gnu::cold]] bool TakePhrase(std::string_view line, std::size_t room, std::size_t& at,
                              HeaderText& header) {
  const std::optional<std::size_t> first = HeaderLengthIndex().FirstNotLonger(room);
  if (!first) return false;
  const std::span<const PhraseEntry> phrases = HeaderPhrases();
  const std::string_view rest = line.substr(at);
  for (std::size_t i = *first; i < phrases.size(); ++i) {
    if (StartsWithPhrase(rest, phrases[i].text)) {
      if (!header.codes.push_back(phrases[i].code)) return false;
      at += phrases[i].text.size();
      return true;
    }
  }
  return false;
}

using NumberStarts = std::array<std::size_t, kHeaderNumbers + 2>;

// Puts the first digit of every number after the line's first byte (a digit
// after a non-digit) into starts[1..count]. False when there are more
// numbers than a header holds.
bool FindNumberStarts(std::string_view line, NumberStarts& starts, std::size_t& count) {
  const std::size_t n = line.size();
  const auto add = [&](std::size_t i) {
    if (count == kHeaderNumbers) return false;
    starts[++count] = i;
    return true;
  };
  std::size_t i = 1;
#if defined(__SSE2__)
  // Sixteen bytes at a time: a bit per digit, and a start where the bit
  // before is clear. The first byte counts as a digit before the line.
  unsigned before = 1;  // whether the byte before the block is a digit (or the line's start)
  std::size_t block = 0;
  for (; block + 16 <= n; block += 16) {
    const unsigned digits = DigitBits(line.data() + block);
    unsigned firsts = digits & ~((digits << 1) | before) & 0xFFFFu;
    for (; firsts != 0; firsts &= firsts - 1) {
      if (!add(block + static_cast<std::size_t>(__builtin_ctz(firsts)))) return false;
    }
    before = (digits >> 15) & 1u;
  }
  i = std::max<std::size_t>(block, 1);
#endif
  for (; i < n; ++i) {
    if (IsDigit(line[i]) && !IsDigit(line[i - 1]) && !add(i)) return false;
  }
  return true;
}

// A header is phrase (number phrase)... and ends with a phrase. Phrases hold
// no digit, so the first phrase in trial order to start where a text between
// numbers does ends where it does only when it is that whole text: each text
// between numbers is looked up whole. When one is no phrase, the header gets
// what the scan from there would have given it, so that a header read in
// part holds the same codes.
bool ReadHeader(std::string_view line, HeaderText& header) {
  static const WholePhraseIndex phrases(HeaderPhrases());
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  // starts[0] is the line's start, starts[1..count] the first digit of every
  // number (a digit after a non-digit), starts[count + 1] the line's end.
  NumberStarts starts{};
  std::size_t count = 0;
  if (!FindNumberStarts(line, starts, count)) return false;
  starts[count + 1] = n;

  std::size_t at = 0;
  for (std::size_t j = 0;; ++j) {
    const std::size_t end = starts[j + 1];
    const std::optional<PhraseCode> code = phrases.Find(line, at, end);
    if (!code) {
      TakePhrase(line, j == 0 ? end : end - starts[j], at, header);
      return false;
    }
    if (!header.codes.push_back(*code)) return false;
    if (j == count) return count > 0;
    at = end;
    const std::optional<std::int16_t> number = ReadNumber(line, at);
    if (!number) return false;
    header.numbers.push_back(*number);
    if (at == n) return false;  // a header ends with a phrase
  }
}

// The first eight bytes of a text, zero-filled past a shorter one; `room`:
// the bytes readable from `text` on.
std::uint64_t HeadWord(const char* text, std::size_t length, std::size_t room) {
  if (length >= 8) return WordAt(text);
  std::uint64_t word = 0;
  if (room >= 8) {
    word = WordAt(text);
    if constexpr (std::endian::native == std::endian::little) {
      word &= (std::uint64_t{1} << (8 * length)) - 1;
    } else {
      word &= ~((std::uint64_t{1} << (8 * (8 - length))) - 1);
    }
  } else {
    std::memcpy(&word, text, length);
  }
  return word;
}

// Whether the line holds the guide's text at `at`, compared a word at a time.
bool HoldsText(std::string_view line, std::size_t at, const HeaderGuide::Text& guess) {
  const std::size_t length = guess.text.size();
  if (length == 0 || length > line.size() - at) return false;
  const char* bytes = line.data() + at;
  if (HeadWord(bytes, length, line.size() - at) != guess.head) return false;
  if (length <= 8) return true;
  if (WordAt(bytes + length - 8) != guess.tail) return false;
  for (std::size_t k = 8; k + 8 < length; k += 8) {
    if (WordAt(bytes + k) != WordAt(guess.text.data() + k)) return false;
  }
  return true;
}

// ReadHeader, trying the guide's text at each place before looking the text
// up: a guessed text must stand there and end where a number begins or the
// line ends, and is then the whole text between numbers. Anything out of the
// common (a text no phrase, too many numbers, a number too large, a header
// ending in a number) leaves the header as it was and reads it unguided,
// which gives every such line what it always has.
bool ReadGuidedHeader(std::string_view line, HeaderText& header, HeaderGuide& guide) {
  static const WholePhraseIndex phrases(HeaderPhrases());
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  const HeaderText before = header;
  std::size_t at = 0;
  for (HeaderGuide::Text& guess : guide.texts) {
    PhraseCode code = guess.code;
    std::size_t end = at + guess.text.size();
    if (!HoldsText(line, at, guess) || (end != n && !IsDigit(line[end]))) {
      end = NextDigit(line, at);
      const std::optional<PhraseCode> found = phrases.Find(line, at, end);
      if (!found) break;
      code = *found;
      // The guide learns the text for the next header.
      guess.text = line.substr(at, end - at);
      guess.head = HeadWord(line.data() + at, end - at, n - at);
      guess.tail = end - at >= 8 ? WordAt(line.data() + end - 8) : 0;
      guess.code = code;
    }
    if (!header.codes.push_back(code)) break;
    if (end == n) {
      if (at == 0) break;  // no number
      return true;
    }
    at = end;
    const std::optional<std::int16_t> number = ReadNumber(line, at);
    if (!number || !header.numbers.push_back(*number) || at == n) break;
  }
  header = before;
  return ReadHeader(line, header);
}

// What a header phrase tells about the numbers around it.
enum class Effect : std::uint8_t {
  kNothing,
  kTry,               // extra-point try from the yard line after it
  kFreeKick,          // free kick from their own ...
  kKickOffFromOwn,    // kick-off from their own ...
  kKickOffFromOther,  // kick-off from the ...
  kInchesAtGoalLine,  // down before it; inches or goal to go, ball on the goal line
  kInchesFromOwn,     // down before it; inches to go, from their own ...
  kInchesFromOther,   // down before it; inches to go, from the ...
  kFromOwnGoalLine,   // distance before it, from their own goal line
  kGoalToGo,          // down before it; goal to go from the ...
  kFromOwn,           // distance before it, from their own ...
  kFromOther,         // distance before it, from the ...
  kOvertime,          // the period is overtime
  kQuarter,           // quarter before it
  kDownAndDistance,   // down before it, distance after it
  kScores,            // visiting score before it, home score after it
  kClock,             // minutes before it, seconds after it
};

constexpr std::array<Effect, kHeaderPhraseCount> kEffects = [] {
  std::array<Effect, kHeaderPhraseCount> effects{};
  const auto set = [&effects](std::size_t from, std::size_t to, Effect effect) {
    for (std::size_t code = from; code <= to; ++code)
      effects[code] = effect;
  };
  set(0, 0, Effect::kTry);
  set(1, 1, Effect::kFreeKick);
  set(2, 2, Effect::kKickOffFromOwn);
  set(3, 3, Effect::kKickOffFromOther);
  set(4, 11, Effect::kInchesAtGoalLine);
  set(42, 49, Effect::kInchesAtGoalLine);
  set(12, 15, Effect::kInchesFromOwn);
  set(16, 16, Effect::kFromOwnGoalLine);
  set(50, 50, Effect::kFromOwnGoalLine);
  set(17, 20, Effect::kInchesFromOther);
  set(21, 24, Effect::kGoalToGo);
  set(25, 25, Effect::kFromOwn);
  set(27, 27, Effect::kOvertime);
  set(28, 28, Effect::kFromOther);
  set(30, 33, Effect::kQuarter);
  set(36, 39, Effect::kDownAndDistance);
  set(40, 40, Effect::kScores);
  set(kClockCode, kClockCode, Effect::kClock);
  return effects;  // 26, 29, 34, 35 and 51 tell nothing
}();

}  // namespace

bool ParseHeader(ParseContext& parse, std::string_view line, CurrentPlay& play,
                 HeaderGuide* guide) {
  if (guide != nullptr ? ReadGuidedHeader(line, play.header, *guide)
                       : ReadHeader(line, play.header))
    return true;
  NoteNotUnderstood(parse, run::ErrorKind::kPlayHeader, line);
  return false;
}

bool ParseHeader(ReadContext& context, std::string_view line, CurrentPlay& play) {
  if (ReadHeader(line, play.header)) return true;
  LogNotUnderstood(context, run::ErrorKind::kPlayHeader, line);
  return false;
}

namespace {

// Each phrase names the number slots its figures are in: slot i holds the
// number after phrase i, slot i - 1 the one before it, and the figures some
// phrases imply go to slots past the header's own numbers. A slot no number
// was read into reads -1; a figure no phrase named a slot for is absent.
constexpr std::size_t kOvertimeSlot = kHeaderNumbers;      // 5, the overtime period
constexpr std::size_t kInchesSlot = kHeaderNumbers + 1;    // 1, a distance of inches
constexpr std::size_t kGoalLineSlot = kHeaderNumbers + 2;  // 1, a ball on the goal line
constexpr std::size_t kNoSlot = kHeaderPhrases;            // past every slot

// The header's numbers by slot, the slot of each figure, and the situation
// as far as the phrases alone tell it.
struct HeaderSlots {
  std::array<std::int16_t, kHeaderPhrases> numbers;
  std::size_t quarter = kNoSlot, minutes = kNoSlot, seconds = kNoSlot, down = kNoSlot,
              distance = kNoSlot, yardLine = kNoSlot, visitingScore = kNoSlot, homeScore = kNoSlot;
  Situation situation;

  void DistanceToGoal() {
    distance = kInchesSlot;
    numbers[kInchesSlot] = 1;
    situation.inches = true;
  }
  void BallOnGoalLine() {
    yardLine = kGoalLineSlot;
    numbers[kGoalLineSlot] = 1;
  }
  std::optional<std::int16_t> Number(std::size_t slot) const {
    if (slot >= numbers.size()) return std::nullopt;
    return numbers[slot];
  }
};

// What the phrase at position i says of the slots and the situation.
void NameSlots(Effect effect, std::size_t i, HeaderSlots& at) {
  const std::size_t before = i > 0 ? i - 1 : kNoSlot;
  Situation& situation = at.situation;
  switch (effect) {
    case Effect::kTry:
      situation.start = StartKind::kTry;
      situation.ownSide = false;
      at.yardLine = i;
      break;
    case Effect::kFreeKick:
      situation.start = StartKind::kFreeKick;
      situation.ownSide = true;
      at.yardLine = i;
      break;
    case Effect::kKickOffFromOwn:
      situation.start = StartKind::kKickOff;
      situation.ownSide = true;
      at.yardLine = i;
      break;
    case Effect::kKickOffFromOther:
      situation.start = StartKind::kKickOff;
      situation.ownSide = false;
      at.yardLine = i;
      break;
    case Effect::kInchesAtGoalLine:
      at.down = before;
      at.DistanceToGoal();
      situation.ownSide = false;
      at.BallOnGoalLine();
      break;
    case Effect::kInchesFromOwn:
      at.down = before;
      at.DistanceToGoal();
      situation.ownSide = true;
      at.yardLine = i;
      break;
    case Effect::kInchesFromOther:
      at.down = before;
      at.DistanceToGoal();
      situation.ownSide = false;
      at.yardLine = i;
      break;
    case Effect::kFromOwnGoalLine:
      at.distance = before;
      situation.ownSide = true;
      at.BallOnGoalLine();
      break;
    case Effect::kGoalToGo:  // the yard line is the distance
      at.down = before;
      at.distance = i;
      situation.ownSide = false;
      at.yardLine = i;
      break;
    case Effect::kFromOwn:
      at.distance = before;
      situation.ownSide = true;
      at.yardLine = i;
      break;
    case Effect::kFromOther:
      at.distance = before;
      situation.ownSide = false;
      at.yardLine = i;
      break;
    case Effect::kOvertime:
      at.quarter = kOvertimeSlot;
      at.numbers[kOvertimeSlot] = 5;
      break;
    case Effect::kQuarter:
      at.quarter = before;
      break;
    case Effect::kDownAndDistance:
      at.down = before;
      at.distance = i;
      break;
    case Effect::kScores:  // visiting team first
      at.visitingScore = before;
      at.homeScore = i;
      break;
    case Effect::kClock:
      at.minutes = before;
      at.seconds = i;
      break;
    case Effect::kNothing:
      break;
  }
}

}  // namespace

Situation ResolveHeader(const HeaderText& header) {
  HeaderSlots at;
  at.numbers.fill(-1);
  // A loop over every place the list has, not over the numbers read: one of
  // variable length became a string copy, slow to start for a few bytes.
  const std::size_t read = header.numbers.size();
  for (std::size_t i = 0; i < kHeaderNumbers; ++i)
    at.numbers[i] = i < read ? header.numbers[i] : std::int16_t{-1};
  for (std::size_t p = 0; p < header.codes.size(); ++p) {
    const PhraseCode code = header.codes[p];
    if (code < kHeaderPhraseCount) NameSlots(kEffects[code], p, at);
  }
  // The figures are read once every phrase has named its slots.
  Situation situation = at.situation;
  situation.quarter = at.Number(at.quarter);
  situation.minutes = at.Number(at.minutes);
  situation.seconds = at.Number(at.seconds);
  situation.down = at.Number(at.down);
  situation.distance = at.Number(at.distance);
  situation.yardLine = at.Number(at.yardLine);
  situation.visitingScore = at.Number(at.visitingScore);
  situation.homeScore = at.Number(at.homeScore);
  return situation;
}

}  // namespace yl::transcript
