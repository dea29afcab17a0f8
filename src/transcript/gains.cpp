// The gains line: cutting it into phrases and numbers, and what each phrase
// says about the play.
#include "transcript/gains.h"

#include <algorithm>
#include <cstdint>

#include "run/error_log.h"
#include "transcript/gains_phrases.h"
#include "transcript/phrase_trie.h"
#include "transcript/reader.h"

namespace yl::transcript {

namespace {

// The first gains phrase, from position `start` of the trial order on, that
// the text begins with (case counts); nullptr when none does.
const PhraseEntry* MatchGainsPhrase(std::string_view text, int start) {
  static const PhraseTrie trie(kGainsPhrases, PhraseTrie::Direction::kPrefix);
  const int k = trie.FirstPrefix(text, static_cast<std::size_t>(start));
  return k < 0 ? nullptr : &kGainsPhrases[static_cast<std::size_t>(k)];
}

bool AppendCode(CurrentPlay& play, std::int16_t code) {
  if (play.gainsCount >= kGainsSlots) return false;
  play.gainsCodes[play.gainsCount++] = code;
  return true;
}

bool CutGainsLine(std::string_view line, CurrentPlay& play) {
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  const int start = kGainsLengthIndex[std::min<std::size_t>(n, kLengthIndexSize - 1)];
  if (start < 0) return false;  // shorter than every phrase
  const PhraseEntry* phrase = MatchGainsPhrase(line, start);
  if (phrase == nullptr || !AppendCode(play, phrase->code)) return false;
  std::size_t p = phrase->text.size();
  while (p < n) {
    if (!IsDigit(line[p]) || play.gainsNumberCount >= kMaxGainsNumbers) return false;
    const std::uint16_t number = ReadDigitRun(line, p);
    play.gainsNumbers[play.gainsNumberCount++] = static_cast<std::int16_t>(number);
    if (p == n) return false;  // a line never ends in a number
    phrase = MatchGainsPhrase(line.substr(p), 0);
    if (phrase == nullptr || !AppendCode(play, phrase->code)) return false;
    p += phrase->text.size();
  }
  return true;
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

// The slot index a rule names for the phrase at position i; -1 for none
// (also a number "before" the line's first phrase).
std::int16_t SlotIndex(CurrentPlay& play, Slot slot, int i) {
  switch (slot) {
    case Slot::kBefore:
      return static_cast<std::int16_t>(i - 1);
    case Slot::kAfter:
      return static_cast<std::int16_t>(i);
    case Slot::kNoYards:
      play.gainsNumbers[kNoYardsSlot] = 0;
      return kNoYardsSlot;
    case Slot::kGoalLine:
      play.gainsNumbers[kGainsGoalLineSlot] = 1;
      return kGainsGoalLineSlot;
    case Slot::kNone:
      break;
  }
  return -1;
}

}  // namespace

bool ParseGains(ReadContext& context, std::string_view line, CurrentPlay& play) {
  if (CutGainsLine(line, play)) return true;
  LogNotUnderstood(context, run::ErrorKind::kPlayGains, line);
  return false;
}

void ResolveGains(CurrentPlay& play) {
  const int count = std::clamp<int>(play.gainsCount, 0, kGainsSlots);
  for (int i = 0; i < count; ++i) {
    const std::int16_t code = play.gainsCodes[i];
    if (code < 0 || code >= kGainsPhraseCount) continue;
    const GainsRule& rule = kGainsRules[code];
    if (rule.gainPositive >= 0) play.gainPositive = static_cast<std::uint8_t>(rule.gainPositive);
    if (rule.gain != Slot::kNone) play.gainIndex = SlotIndex(play, rule.gain, i);
    if (rule.ballOn != Slot::kNone) play.ballOnIndex = SlotIndex(play, rule.ballOn, i);
    if (rule.shortGain) play.shortGain = 1;
    if (rule.returnSpot) play.returnSpot = 1;
    if (rule.turnedOver) play.turnedOver = 1;
  }
}

void MarkNoGainsLine(CurrentPlay& play) {
  play.gainIndex = kNoYardsSlot;
  play.gainsNumbers[kNoYardsSlot] = 1;
}

}  // namespace yl::transcript
