// The gains line: cutting it into phrases and numbers, and what each phrase
// says about the play.
#include "transcript/gains.h"

#include <algorithm>
#include <cstdint>

#include "run/error_log.h"
#include "transcript/gains_phrases.h"
#include "transcript/phrase_trie.h"
#include "transcript/reader.h"
#include "transcript/whole_phrase.h"

namespace yl::transcript {

namespace {

// The first gains phrase in trial order that the text begins with (case
// counts); nullptr when none does.
[[gnu::cold]] const PhraseEntry* MatchGainsPhrase(std::string_view text) {
  static const PhraseTrie trie(kGainsPhrases, PhraseTrie::Direction::kPrefix);
  const std::optional<std::size_t> k = trie.FirstPrefix(text, 0);
  return k ? &kGainsPhrases[*k] : nullptr;
}

// A gains line is phrase (number phrase)... Phrases hold no digit, so the
// first phrase in trial order to start where a text between numbers does
// ends where it does only when it is that whole text: each such text is
// looked up whole. When one is no phrase, the line gets what the scan from
// there would have given it, so that a line read in part holds the same
// codes.
bool CutGainsLine(std::string_view line, GainsText& gains) {
  static const WholePhraseIndex phrases(kGainsPhrases);
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  std::size_t p = 0;
  for (;;) {
    const std::size_t end = NextDigit(line, p);
    const std::optional<PhraseCode> code = phrases.Find(line, p, end);
    if (!code) {
      if (const PhraseEntry* phrase = MatchGainsPhrase(line.substr(p)))
        gains.codes.push_back(phrase->code);
      return false;
    }
    if (!gains.codes.push_back(*code)) return false;
    p = end;
    if (p == n) return true;
    const std::optional<std::int16_t> number = ReadNumber(line, p);
    if (!number || !gains.numbers.push_back(*number)) return false;
    if (p == n) return false;  // a line never ends in a number
  }
}

// CutGainsLine, with the texts between numbers found through the guide. A
// line that cannot be cut whole leaves the gains as they were and is cut
// unguided, which gives it what it always has.
bool CutGuidedGainsLine(std::string_view line, GainsText& gains, TextGuide& guide) {
  static const WholePhraseIndex phrases(kGainsPhrases);
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  const GainsText before = gains;
  std::size_t p = 0;
  for (std::size_t place = 0; place <= kGainsNumbers; ++place) {
    const std::optional<TextGuide::Found> text = guide.Find(phrases, line, p);
    if (!text || !gains.codes.push_back(text->code)) break;
    p = text->end;
    if (p == n) return true;
    const std::optional<std::int16_t> number = ReadNumber(line, p);
    if (!number || !gains.numbers.push_back(*number) || p == n) break;
  }
  gains = before;
  return CutGainsLine(line, gains);
}

// What a phrase at code position i says. Yards are in number slot i - 1 (the
// number before the phrase) or i (the number after it), or slot 8 holding 0
// for a play without yards; the ball stands in slot i or i - 1, or on the
// goal line (slot 9 holding 1).
enum class Slot : std::uint8_t { kNone, kBefore, kAfter, kNoYards, kGoalLine };

struct GainsRule {
  std::int8_t gainPositive;  // -1: left as it is
  Slot gain;
  Slot ballOn;
  bool shortGain;
  bool returnSpot;
  bool turnedOver;
};

// clang-format off
constexpr GainsRule kYardsBefore = {-1, Slot::kBefore, Slot::kNone, false, false, false};
constexpr GainsRule kYardsBeforeBallAfter = {-1, Slot::kBefore, Slot::kAfter, false, false, false};
constexpr GainsRule kYardsBeforeGoalLine = {-1, Slot::kBefore, Slot::kGoalLine, false, false, false};
constexpr GainsRule kNoYardsBallAfter = {1, Slot::kNoYards, Slot::kAfter, false, false, false};

constexpr std::array<GainsRule, kGainsPhraseCount> kGainsRules = {{
    {1, Slot::kNoYards, Slot::kGoalLine, true, false, false},   // 0 short gain, goal line
    {1, Slot::kNoYards, Slot::kGoalLine, false, false, false},  // 1 no gain, goal line
    kYardsBeforeGoalLine,                                       // 2
    kYardsBeforeGoalLine,                                       // 3
    {1, Slot::kNoYards, Slot::kAfter, false, true, false},      // 4 short gain on the return
    {1, Slot::kNoYards, Slot::kAfter, true, false, false},      // 5 short gain on the play
    {1, Slot::kNoYards, Slot::kAfter, false, true, false},      // 6 no gain on the return
    {-1, Slot::kBefore, Slot::kAfter, false, true, false},      // 7 yards on the return
    kNoYardsBallAfter,                                          // 8
    {-1, Slot::kBefore, Slot::kAfter, false, true, false},      // 9 yard on the return
    kYardsBeforeBallAfter,                                      // 10
    {-1, Slot::kNone, Slot::kAfter, false, true, true},         // 11 turned over
    kYardsBeforeBallAfter,                                      // 12
    kYardsBeforeGoalLine,                                       // 13
    {-1, Slot::kNone, Slot::kAfter, false, true, false},        // 14 placed
    {-1, Slot::kBefore, Slot::kNone, false, true, false},       // 15 yards on the return
    {1, Slot::kAfter, Slot::kNone, false, true, false},         // 16 returned
    {1, Slot::kNoYards, Slot::kNone, false, false, false},      // 17 no gain
    kYardsBeforeBallAfter,                                      // 18
    kYardsBefore,                                               // 19
    kYardsBefore,                                               // 20
    kNoYardsBallAfter,                                          // 21 the ball is on the
    kYardsBefore,                                               // 22 attempt
    kYardsBefore,                                               // 23 attempt
    {-1, Slot::kNone, Slot::kBefore, false, false, false},      // 24 yard line
    kYardsBefore,                                               // 25 kick
    {-1, Slot::kAfter, Slot::kNone, false, false, false},       // 26 that was a
    kYardsBefore,                                               // 27 kick
    {1, Slot::kAfter, Slot::kNone, false, false, false},        // 28 gain of
    {0, Slot::kAfter, Slot::kNone, false, false, false},        // 29 loss of
    kYardsBefore,                                               // 30 yards
}};
// clang-format on

// The number slots of a line: its numbers (slot i follows phrase i), then
// the 0 of a play without yards and the goal line's 1; a slot no number was
// read into reads 0.
constexpr std::size_t kNoYardsSlot = kGainsNumbers;
constexpr std::size_t kGoalLineSlot = kGainsNumbers + 1;
using Slots = std::array<std::int16_t, kGainsSlots>;

// Past every slot: a figure without a number.
constexpr std::size_t kNoSlot = kGainsSlots;

// The slot a rule names for the phrase at position i; kNoSlot for none (also
// a number "before" the line's first phrase).
std::size_t SlotIndex(Slots& slots, Slot slot, std::size_t i) {
  switch (slot) {
    case Slot::kBefore:
      if (i == 0) break;
      return i - 1;
    case Slot::kAfter:
      return i;
    case Slot::kNoYards:
      slots[kNoYardsSlot] = 0;
      return kNoYardsSlot;
    case Slot::kGoalLine:
      slots[kGoalLineSlot] = 1;
      return kGoalLineSlot;
    case Slot::kNone:
      break;
  }
  return kNoSlot;
}

}  // namespace

bool ParseGains(ParseContext& parse, std::string_view line, CurrentPlay& play, TextGuide* guide) {
  if (guide != nullptr ? CutGuidedGainsLine(line, play.gains, *guide)
                       : CutGainsLine(line, play.gains))
    return true;
  NoteNotUnderstood(parse, run::ErrorKind::kPlayGains, line);
  return false;
}

bool ParseGains(ReadContext& context, std::string_view line, CurrentPlay& play) {
  if (CutGainsLine(line, play.gains)) return true;
  LogNotUnderstood(context, run::ErrorKind::kPlayGains, line);
  return false;
}

void ResolveGains(const GainsText& gains, Gain& gain) {
  Slots slots{};
  // Over every place the list has: a loop over the numbers read became a
  // string copy, slow to start for a few bytes.
  const std::size_t read = gains.numbers.size();
  for (std::size_t i = 0; i < kGainsNumbers; ++i)
    slots[i] = i < read ? gains.numbers[i] : std::int16_t{0};
  bool positive = true;
  bool shortGain = false;
  bool returnSpot = false;
  bool turnedOver = false;
  std::size_t yardsAt = kNoSlot;
  std::size_t ballOnAt = kNoSlot;
  for (std::size_t i = 0; i < gains.codes.size(); ++i) {
    const PhraseCode code = gains.codes[i];
    if (code >= kGainsPhraseCount) continue;
    const GainsRule& rule = kGainsRules[code];
    if (rule.gainPositive >= 0) positive = rule.gainPositive != 0;
    if (rule.gain != Slot::kNone) yardsAt = SlotIndex(slots, rule.gain, i);
    if (rule.ballOn != Slot::kNone) ballOnAt = SlotIndex(slots, rule.ballOn, i);
    shortGain = shortGain || rule.shortGain;
    returnSpot = returnSpot || rule.returnSpot;
    turnedOver = turnedOver || rule.turnedOver;
  }
  // The figures are read once every phrase has named its slots.
  gain.yards.reset();
  gain.ballOn.reset();
  if (yardsAt < slots.size()) gain.yards = slots[yardsAt];
  if (ballOnAt < slots.size()) gain.ballOn = slots[ballOnAt];
  gain.positive = positive;
  gain.shortGain = shortGain;
  gain.returnSpot = returnSpot;
  gain.turnedOver = turnedOver;
}

Gain NoGainsLine() {
  Gain gain;
  gain.yards = 1;
  return gain;
}

}  // namespace yl::transcript
