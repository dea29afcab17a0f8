// The play header.
#include "transcript/header.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "run/error_log.h"
#include "transcript/header_phrases.h"
#include "transcript/reader.h"

namespace yl::transcript {

namespace {

// Appends the first phrase (in trial order) that starts at `at`, among those
// not longer than `room`, and moves `at` past it.
bool TakePhrase(std::string_view line, std::size_t room, std::size_t& at, CurrentPlay& play) {
  if (room >= kLengthIndexSize || play.headerCount >= kHeaderSlots) return false;
  const std::int16_t first = HeaderLengthIndex()[room];
  if (first < 0) return false;
  const std::span<const PhraseEntry> phrases = HeaderPhrases();
  const std::string_view rest = line.substr(at);
  for (std::size_t i = static_cast<std::size_t>(first); i < phrases.size(); ++i) {
    if (StartsWithPhrase(rest, phrases[i].text)) {
      play.headerCodes[static_cast<std::size_t>(play.headerCount++)] = phrases[i].code;
      at += phrases[i].text.size();
      return true;
    }
  }
  return false;
}

using NumberStarts = std::array<std::size_t, kMaxHeaderNumbers + 2>;

// Puts the first digit of every number after the line's first byte (a digit
// after a non-digit) into starts[1..count]. False when there are more
// numbers than a header holds.
bool FindNumberStarts(std::string_view line, NumberStarts& starts, std::size_t& count) {
  const std::size_t n = line.size();
  const auto add = [&](std::size_t i) {
    if (count == kMaxHeaderNumbers) return false;
    starts[++count] = i;
    return true;
  };
  std::size_t i = 1;
#if defined(__SSE2__)
  // Sixteen bytes at a time: a bit per digit, and a start where the bit
  // before is clear. The first byte counts as a digit before the line.
  const __m128i belowZero = _mm_set1_epi8('0' - 1);
  const __m128i aboveNine = _mm_set1_epi8('9' + 1);
  unsigned before = 1;  // whether the byte before the block is a digit (or the line's start)
  std::size_t block = 0;
  for (; block + 16 <= n; block += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + block));
    const auto digits = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpgt_epi8(bytes, belowZero), _mm_cmplt_epi8(bytes, aboveNine))));
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

bool ReadHeader(std::string_view line, CurrentPlay& play) {
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  // starts[0] is the line's start, starts[1..count] the first digit of every
  // number (a digit after a non-digit), starts[count + 1] the line's end.
  std::array<std::size_t, kMaxHeaderNumbers + 2> starts{};
  std::size_t count = 0;
  if (!FindNumberStarts(line, starts, count)) return false;
  starts[count + 1] = n;

  std::size_t at = 0;
  if (!TakePhrase(line, starts[1], at, play) || at == n) return false;
  // A phrase holds no digit, so the number read at step j starts at starts[j].
  for (std::size_t j = 1; j <= count; ++j) {
    if (at != starts[j]) return false;
    const std::uint16_t value = ReadDigitRun(line, at);
    play.headerNumbers[static_cast<std::size_t>(play.headerNumberCount++)] =
        static_cast<std::int16_t>(value);
    if (at == n) return false;  // a header ends with a phrase
    if (!TakePhrase(line, starts[j + 1] - starts[j], at, play)) return false;
    if (at == n) return true;
  }
  return false;
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
  const auto set = [&effects](int from, int to, Effect effect) {
    for (int code = from; code <= to; ++code)
      effects[static_cast<std::size_t>(code)] = effect;
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

bool ParseHeader(ReadContext& context, std::string_view line, CurrentPlay& play) {
  if (ReadHeader(line, play)) return true;
  LogNotUnderstood(context, run::ErrorKind::kPlayHeader, line);
  return false;
}

void ResolveHeader(CurrentPlay& play) {
  // Slot i holds the number after phrase i, slot i - 1 the one before it.
  const auto distanceToGoal = [&play] {
    play.distanceIndex = kHeaderInchesSlot;
    play.headerNumbers[kHeaderInchesSlot] = 1;
    play.inches = 1;
  };
  const auto ballOnGoalLine = [&play] {
    play.yardLineIndex = kHeaderGoalLineSlot;
    play.headerNumbers[kHeaderGoalLineSlot] = 1;
  };
  for (std::int16_t i = 0; i < play.headerCount && i < kHeaderSlots; ++i) {
    const std::int16_t code = play.headerCodes[static_cast<std::size_t>(i)];
    if (code < 0 || code >= kHeaderPhraseCount) continue;
    const auto before = static_cast<std::int16_t>(i - 1);
    switch (kEffects[static_cast<std::size_t>(code)]) {
      case Effect::kTry:
        play.startKind = StartKind::kTry;
        play.ownSide = 0;
        play.yardLineIndex = i;
        break;
      case Effect::kFreeKick:
        play.startKind = StartKind::kFreeKick;
        play.ownSide = 1;
        play.yardLineIndex = i;
        break;
      case Effect::kKickOffFromOwn:
        play.startKind = StartKind::kKickOff;
        play.ownSide = 1;
        play.yardLineIndex = i;
        break;
      case Effect::kKickOffFromOther:
        play.startKind = StartKind::kKickOff;
        play.ownSide = 0;
        play.yardLineIndex = i;
        break;
      case Effect::kInchesAtGoalLine:
        play.downIndex = before;
        distanceToGoal();
        play.ownSide = 0;
        ballOnGoalLine();
        break;
      case Effect::kInchesFromOwn:
        play.downIndex = before;
        distanceToGoal();
        play.ownSide = 1;
        play.yardLineIndex = i;
        break;
      case Effect::kInchesFromOther:
        play.downIndex = before;
        distanceToGoal();
        play.ownSide = 0;
        play.yardLineIndex = i;
        break;
      case Effect::kFromOwnGoalLine:
        play.distanceIndex = before;
        play.ownSide = 1;
        ballOnGoalLine();
        break;
      case Effect::kGoalToGo:  // the yard line is the distance
        play.downIndex = before;
        play.distanceIndex = i;
        play.ownSide = 0;
        play.yardLineIndex = i;
        break;
      case Effect::kFromOwn:
        play.distanceIndex = before;
        play.ownSide = 1;
        play.yardLineIndex = i;
        break;
      case Effect::kFromOther:
        play.distanceIndex = before;
        play.ownSide = 0;
        play.yardLineIndex = i;
        break;
      case Effect::kOvertime:
        play.quarterIndex = kHeaderOvertimeSlot;
        play.headerNumbers[kHeaderOvertimeSlot] = 5;
        break;
      case Effect::kQuarter:
        play.quarterIndex = before;
        break;
      case Effect::kDownAndDistance:
        play.downIndex = before;
        play.distanceIndex = i;
        break;
      case Effect::kScores:  // visiting team first
        play.visitingScoreIndex = before;
        play.homeScoreIndex = i;
        break;
      case Effect::kClock:
        play.minutesIndex = before;
        play.secondsIndex = i;
        break;
      case Effect::kNothing:
        break;
    }
  }
}

}  // namespace yl::transcript
