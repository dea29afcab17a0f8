// Extras lines: the game's table of extras texts, cutting a line into them,
// and what each phrase says about the play.
#include "transcript/extras.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "run/error_log.h"
#include "transcript/reader.h"

namespace yl::transcript {

namespace {

void Append(std::array<char, kExtrasTextCapacity>& storage, std::size_t& length,
            std::string_view text) {
  const std::size_t take = std::min(text.size(), storage.size() - length);
  std::memcpy(storage.data() + length, text.data(), take);
  length += take;
}

static_assert(std::ranges::none_of(kExtrasPhrases,
                                   [](const ExtrasPhraseEntry& e) { return e.text.empty(); }));

// The positions whose text may begin at `text`'s first byte (letter case
// ignored), as bits; none for an empty text.
std::uint64_t MayBegin(const ExtrasTable& table, std::string_view text) {
  if (text.empty()) return 0;
  return table.positionsBeginning[static_cast<unsigned char>(FoldCase(text[0]))];
}

// FoldCase on eight bytes at once: a byte from 'a' to 'z' loses 0x20.
std::uint64_t FoldWord(std::uint64_t bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHigh = 0x8080808080808080u;
  const std::uint64_t low = bytes & ~kHigh;  // no byte carries into the next below
  const std::uint64_t fromA = low + kOnes * (0x80 - 'a');
  const std::uint64_t pastZ = low + kOnes * (0x80 - 'z' - 1);
  const std::uint64_t lower = fromA & ~pastZ & ~bytes & kHigh;
  return bytes - (lower >> 2);
}

// MatchPhrase(text, table.TextAt(position), false, false): whether the text
// begins with the position's text, letter case ignored, eight bytes at a
// time.
bool BeginsWithText(const ExtrasTable& table, std::string_view text, std::size_t position) {
  const std::string_view phrase = table.TextAt(position);
  const std::size_t length = phrase.size();
  if (length > text.size()) return false;
  std::size_t k = 0;
  for (; k + 8 <= length; k += 8) {
    if (FoldWord(WordAt(text.data() + k)) != FoldWord(WordAt(phrase.data() + k))) return false;
  }
  for (; k < length; ++k) {
    if (FoldCase(text[k]) != FoldCase(phrase[k])) return false;
  }
  return true;
}

std::size_t LowestPosition(std::uint64_t positions) {
  return static_cast<std::size_t>(std::countr_zero(positions));
}

// The first text in trial order that `text` begins with, letter case
// ignored.
std::optional<std::size_t> MatchExtrasText(const ExtrasTable& table, std::string_view text) {
  for (std::uint64_t may = MayBegin(table, text); may != 0; may &= may - 1) {
    const std::size_t position = LowestPosition(may);
    if (BeginsWithText(table, text, position)) return position;
  }
  return std::nullopt;
}

bool AppendCode(ExtrasText& extras, const ExtrasTable& table, std::size_t position) {
  return extras.codes.push_back(table.positionToCode[position]);
}

ExtrasValue* NextValue(ExtrasText& extras) {
  if (extras.nextValue >= kExtrasSlots) return nullptr;
  return &extras.values[extras.nextValue++];
}

// A player token at p, ended by the phrase that follows it: the token runs to
// the first "-" and up to 31 bytes beyond; every text is tried after every
// token length from the longest down to 4. False when nothing fits.
bool CutPlayerToken(ParseContext& parse, const ExtrasTable& table, std::string_view line,
                    std::size_t& p, ExtrasText& extras) {
  const std::size_t n = line.size();
  const std::size_t dash = line.find('-', p);
  if (dash == std::string_view::npos || dash + 1 >= n) return false;
  const std::size_t longest =
      std::min(dash + 1 - p + std::min<std::size_t>(31, n - dash - 1), kMaxExtrasToken);
  // The texts that may follow each token length, and those that may follow
  // any: the others are passed over without a look. (Only the lengths
  // tried are written, and read.)
  std::array<std::uint64_t, kMaxExtrasToken + 1> mayFollow;
  std::uint64_t anyMayFollow = 0;
  for (std::size_t t = 4; t <= longest; ++t) {
    mayFollow[t] = MayBegin(table, line.substr(p + t));
    anyMayFollow |= mayFollow[t];
  }
  for (std::uint64_t candidates = anyMayFollow; candidates != 0; candidates &= candidates - 1) {
    const std::size_t position = LowestPosition(candidates);
    const std::string_view phrase = table.TextAt(position);
    for (std::size_t t = longest; t >= 4; --t) {
      if ((mayFollow[t] >> position & 1u) == 0) continue;
      const std::string_view rest = line.substr(p + t);
      if (!BeginsWithText(table, rest, position)) continue;
      const TokenNumber token = NoteToken(parse, line.substr(p, t));
      if (token == kNoToken) continue;
      ExtrasValue* value = NextValue(extras);
      if (value == nullptr || !AppendCode(extras, table, position)) return false;
      *value = ExtrasValue{.token = token};
      p += t + phrase.size();
      return true;
    }
  }
  return false;
}

// False when the line cannot be cut whole.
bool CutExtrasLine(ParseContext& parse, const ExtrasTable& table, std::string_view line,
                   ExtrasText& extras) {
  const std::size_t n = line.size();
  if (n > kMaxLine) return false;
  std::optional<std::size_t> position = MatchExtrasText(table, line);
  if (!position || !AppendCode(extras, table, *position)) return false;
  std::size_t p = table.TextAt(*position).size();
  while (p < n) {
    if (IsDigit(line[p])) {
      ExtrasValue* value = NextValue(extras);
      if (value == nullptr) return false;
      const std::optional<std::int16_t> number = ReadNumber(line, p);
      if (!number) return false;
      *value = ExtrasValue{.number = *number};
      if (p == n) return false;  // a line never ends in a number
      position = MatchExtrasText(table, line.substr(p));
      if (!position || !AppendCode(extras, table, *position)) return false;
      p += table.TextAt(*position).size();
    } else if (line[p] != '#' || !CutPlayerToken(parse, table, line, p, extras)) {
      return false;
    }
  }
  return true;
}

enum class Effect : std::uint8_t {
  kNothing,
  kFoul,               // the player after the phrase fouled
  kFormation,          // a penalty without a player
  kPlacement,          // a decision on an automatic placement
  kFirstDownDecision,  // a penalty accepted for an automatic first down
  kYardsDecision,      // a decision on a penalty of so many yards
  kAutomaticFirstDown,
  kPeriodBreak,
  kHalfOver,
  kFromGoalLine,
  kAssessedFrom,
  kLossOfDown,
  kGameOver,
};

// The side a foul tells of the fouler.
enum class FoulerSide : std::uint8_t { kUnchanged, kOffense, kDefense };

struct ExtrasRule {
  Effect effect;
  PenaltyKind penaltyKind;  // of a foul
  FoulerSide side;          // of the fouler
  bool accepted;            // of a decision
  bool homeDecides;         // the home team decides, so the visiting team fouled
};

constexpr ExtrasRule Foul(PenaltyKind kind, FoulerSide side = FoulerSide::kUnchanged) {
  return {Effect::kFoul, kind, side, false, false};
}
constexpr ExtrasRule Formation() {
  return {Effect::kFormation, PenaltyKind::kFewerThanSevenOnTheLine, FoulerSide::kUnchanged, false,
          false};
}
constexpr ExtrasRule Decision(Effect effect, bool accepted, bool homeDecides) {
  return {effect, PenaltyKind::kNone, FoulerSide::kUnchanged, accepted, homeDecides};
}
constexpr ExtrasRule Plain(Effect effect) {
  return {effect, PenaltyKind::kNone, FoulerSide::kUnchanged, false, false};
}

using enum PenaltyKind;
constexpr FoulerSide kOffense = FoulerSide::kOffense;
constexpr FoulerSide kDefense = FoulerSide::kDefense;

constexpr std::array<ExtrasRule, kExtrasPhraseCount> kExtrasRules = {{
    Foul(kLinemanEligible, kOffense),                   // 0 lineman as eligible receiver
    Formation(),                                        // 1 fewer than seven men
    Formation(),                                        // 2
    Foul(kIllegalKick, kOffense),                       // 3 kickoff short of 10 yards
    Foul(kIllegalKick, kOffense),                       // 4 kickoff out of bounds
    Decision(Effect::kPlacement, true, true),           // 5
    Decision(Effect::kPlacement, true, false),          // 6
    Decision(Effect::kPlacement, false, true),          // 7
    Decision(Effect::kPlacement, false, false),         // 8
    Decision(Effect::kFirstDownDecision, true, true),   // 9
    Decision(Effect::kFirstDownDecision, true, false),  // 10
    Foul(kDefensivePassInterference, kDefense),         // 11 defensive pass interference
    Foul(kOffensivePassInterference, kOffense),         // 12 offensive pass interference
    Foul(kIllegalUseOfHands),                           // 13 illegal use of the hands
    Foul(kIneligibleManDownfield, kOffense),            // 14 ineligible man downfield
    Foul(kUnsportsmanlikeConduct),                      // 15 unsportsmanlike conduct
    Foul(kFairCatchInterference, kOffense),             // 16 fair-catch interference
    Foul(kFaceMask),                                    // 17 face mask
    Foul(kFaceMask),                                    // 18
    Foul(kIntentionalGrounding, kOffense),              // 19 intentional grounding
    Foul(kFaceMask),                                    // 20
    Foul(kIllegalForwardPass, kOffense),                // 21 illegal forward pass
    Foul(kIneligibleReceiver, kOffense),                // 22 ineligible receiver
    Foul(kRoughingTheKicker, kDefense),                 // 23 roughing the kicker
    Plain(Effect::kNothing),                            // 24
    Plain(Effect::kPeriodBreak),                        // 25 another overtime
    Foul(kDelayOfGame, kOffense),                       // 26 delay of game
    Foul(kIllegalBlock),                                // 27 illegal block
    Foul(kPersonalFoul),                                // 28 personal foul
    Plain(Effect::kNothing),                            // 29
    Foul(kFalseStart, kOffense),                        // 30 false start
    Plain(Effect::kAutomaticFirstDown),                 // 31
    Foul(kOffSides),                                    // 32 off sides
    Plain(Effect::kNothing),                            // 33
    Plain(Effect::kPeriodBreak),                        // 34 an overtime
    Foul(kHolding),                                     // 35 holding
    Decision(Effect::kYardsDecision, true, true),       // 36
    Decision(Effect::kYardsDecision, true, false),      // 37
    Decision(Effect::kYardsDecision, false, true),      // 38
    Decision(Effect::kYardsDecision, false, false),     // 39
    Foul(kPilingOn),                                    // 40 piling on
    Plain(Effect::kFromGoalLine),                       // 41
    Plain(Effect::kNothing),                            // 42
    Plain(Effect::kNothing),                            // 43
    Plain(Effect::kNothing),                            // 44
    Plain(Effect::kNothing),                            // 45
    Plain(Effect::kLossOfDown),                         // 46
    Plain(Effect::kHalfOver),                           // 47
    Plain(Effect::kAssessedFrom),                       // 48
    Plain(Effect::kGameOver),                           // 49
    Plain(Effect::kNothing),                            // 50 time out
    Plain(Effect::kNothing),                            // 51 time out
    Plain(Effect::kNothing),                            // 52
    Plain(Effect::kNothing),                            // 53
    Plain(Effect::kNothing),                            // 54
}};

// The player of the phrase at a position; none for a position no walk has
// found or a value that names nobody.
league::PlayerRecord* PlayerAt(const ExtrasText& extras, std::optional<std::size_t> at) {
  return at ? extras.values[*at].player : nullptr;
}

std::optional<std::int16_t> NumberAt(const ExtrasText& extras, std::optional<std::size_t> at) {
  if (!at) return std::nullopt;
  return extras.values[*at].number;
}

}  // namespace

void PrepareExtrasPhrases(ExtrasTable& table, const league::TeamRecord& home,
                          const league::TeamRecord& visiting) {
  PrepareExtrasPhrases(table, home.name, visiting.name);
}

namespace {

// Whether the text of code a is tried before that of code b: longer texts
// first, equal lengths in code order.
bool TriedBefore(const ExtrasTable& table, PhraseCode a, PhraseCode b) {
  return table.lengths[a] != table.lengths[b] ? table.lengths[a] > table.lengths[b] : a < b;
}

// The texts that name no team, which every game's table shares, and their
// codes in the order of trial; the team texts are made for each game and
// merged into that order.
struct FixedTexts {
  ExtrasTable table;
  std::vector<PhraseCode> order;
};

const FixedTexts& TextsNamingNoTeam() {
  static const FixedTexts fixed = [] {
    FixedTexts texts;
    for (const ExtrasPhraseEntry& entry : kExtrasPhrases) {
      if (entry.team != TeamText::kNone) continue;
      std::size_t length = 0;
      Append(texts.table.storage[entry.code], length, entry.text);
      texts.table.lengths[entry.code] = static_cast<std::uint8_t>(length);
      texts.order.push_back(entry.code);
    }
    std::ranges::sort(texts.order, [&texts](PhraseCode a, PhraseCode b) {
      return TriedBefore(texts.table, a, b);
    });
    return texts;
  }();
  return fixed;
}

}  // namespace

void PrepareExtrasPhrases(ExtrasTable& table, std::string_view homeName,
                          std::string_view visitingName) {
  homeName = homeName.substr(0, std::min(homeName.size(), league::kMaxTeamName));
  visitingName = visitingName.substr(0, std::min(visitingName.size(), league::kMaxTeamName));
  const FixedTexts& fixed = TextsNamingNoTeam();
  table.storage = fixed.table.storage;
  table.lengths = fixed.table.lengths;
  std::array<PhraseCode, kExtrasPhraseCount> teamOrder{};
  std::size_t teamTexts = 0;
  for (const ExtrasPhraseEntry& entry : kExtrasPhrases) {
    if (entry.team == TeamText::kNone) continue;
    auto& storage = table.storage[entry.code];
    std::size_t length = 0;
    if (entry.team == TeamText::kHomeBefore || entry.team == TeamText::kVisitingBefore) {
      Append(storage, length, entry.team == TeamText::kHomeBefore ? homeName : visitingName);
      Append(storage, length, entry.text);
    } else {
      Append(storage, length, entry.text);
      Append(storage, length, entry.team == TeamText::kHomeAfter ? homeName : visitingName);
      Append(storage, length, ".");
    }
    table.lengths[entry.code] = static_cast<std::uint8_t>(length);
    teamOrder[teamTexts++] = entry.code;
  }
  // The team texts in the order of trial (no two codes tie), then merged
  // with the others.
  const auto before = [&table](PhraseCode a, PhraseCode b) { return TriedBefore(table, a, b); };
  const auto teamEnd = teamOrder.begin() + static_cast<std::ptrdiff_t>(teamTexts);
  std::sort(teamOrder.begin(), teamEnd, before);
  std::merge(fixed.order.begin(), fixed.order.end(), teamOrder.begin(), teamEnd,
             table.positionToCode.begin(), before);
  table.positionsBeginning.fill(0);
  for (std::uint8_t position = 0; position < kExtrasPhraseCount; ++position) {
    table.codeToPosition[table.positionToCode[position]] = position;
    const std::string_view text = table.TextAt(position);  // never empty
    const char first = text.empty() ? '\0' : FoldCase(text[0]);
    table.positionsBeginning[static_cast<unsigned char>(first)] |= std::uint64_t{1} << position;
  }
}

bool ParseExtras(ParseContext& parse, const ExtrasTable& table, std::string_view line,
                 CurrentPlay& play) {
  if (CutExtrasLine(parse, table, line, play.extras)) return true;
  NoteNotUnderstood(parse, run::ErrorKind::kPlayExtras, line);
  return false;
}

void NameExtrasPlayers(ExtrasText& extras, std::size_t begin, std::size_t end,
                       const CarriedParse& carried) {
  for (std::size_t i = begin; i < std::min(end, kExtrasSlots); ++i) {
    ExtrasValue& value = extras.values[i];
    value.player = value.token == kNoToken ? nullptr : carried.players[value.token];
  }
}

bool ParseExtras(ReadContext& context, const ExtrasTable& table, std::string_view line,
                 CurrentPlay& play) {
  ParseContext parse;
  const std::size_t first = play.extras.nextValue;
  const bool read = ParseExtras(parse, table, line, play);
  CarriedParse carried;
  CarryParse(context, parse, carried, MarksOf(parse));
  NameExtrasPlayers(play.extras, first, play.extras.nextValue, carried);
  return read;
}

bool EndsGame(const ExtrasText& extras) {
  return std::ranges::any_of(extras.codes, [](PhraseCode code) {
    return code < kExtrasPhraseCount && kExtrasRules[code].effect == Effect::kGameOver;
  });
}

int ResolveExtras(ReadContext& context, const league::TeamRecord& home,
                  const league::TeamRecord& visiting, CurrentPlay& play) {
  ExtrasText& extras = play.extras;
  Penalty& penalty = play.penalty;
  // The team named before "accepted" or "declined" decides; the fouler found
  // so far belongs to the other one.
  const auto assignToFoulingTeam = [&](bool homeDecides) {
    if (league::PlayerRecord* fouler = PlayerAt(extras, extras.foulAt))
      AssignFoulerTeam(context, *fouler, homeDecides ? visiting : home);
  };
  int halvesOver = 0;
  for (std::size_t i = 0; i < extras.codes.size(); ++i) {
    const PhraseCode code = extras.codes[i];
    if (code >= kExtrasPhraseCount) continue;
    const ExtrasRule& rule = kExtrasRules[code];
    switch (rule.effect) {
      case Effect::kNothing:
        break;
      case Effect::kFoul: {
        penalty.called = true;
        penalty.kind = rule.penaltyKind;
        extras.foulAt = static_cast<std::uint8_t>(i);
        // A penalty phrase at the end of a line names nobody.
        if (league::PlayerRecord* fouler = extras.values[i].player) {
          context.players[*fouler].otherGroup = play.groupAtSnap;
          if (rule.side == FoulerSide::kOffense) fouler->side = league::kOffense;
          if (rule.side == FoulerSide::kDefense) fouler->side = league::kDefense;
        }
        break;
      }
      case Effect::kFormation:
        penalty.called = true;
        penalty.kind = rule.penaltyKind;
        break;
      case Effect::kPlacement:
        penalty.accepted = rule.accepted;
        extras.placementAt = static_cast<std::uint8_t>(i);
        assignToFoulingTeam(rule.homeDecides);
        break;
      case Effect::kFirstDownDecision:
        penalty.accepted = true;
        penalty.automaticFirstDown = true;
        assignToFoulingTeam(rule.homeDecides);
        break;
      case Effect::kYardsDecision:
        penalty.accepted = rule.accepted;
        extras.yardsAt = static_cast<std::uint8_t>(i);
        assignToFoulingTeam(rule.homeDecides);
        break;
      case Effect::kAutomaticFirstDown:
        penalty.automaticFirstDown = true;
        break;
      case Effect::kPeriodBreak:
        play.periodBreak = true;
        break;
      case Effect::kHalfOver:
        play.periodBreak = true;
        ++halvesOver;
        break;
      case Effect::kFromGoalLine:
        // The goal line's 1 takes the last value's place, whoever's it was.
        extras.assessedAt = static_cast<std::uint8_t>(kExtrasSlots - 1);
        extras.values[kExtrasSlots - 1] = ExtrasValue{.number = 1};
        break;
      case Effect::kAssessedFrom:
        extras.assessedAt = static_cast<std::uint8_t>(i);
        break;
      case Effect::kLossOfDown:
        penalty.lossOfDown = true;
        break;
      case Effect::kGameOver:
        play.gameOver = true;
        break;
    }
  }
  penalty.fouler = PlayerAt(extras, extras.foulAt);
  penalty.placement = NumberAt(extras, extras.placementAt);
  penalty.yards = NumberAt(extras, extras.yardsAt);
  penalty.assessedFrom = NumberAt(extras, extras.assessedAt);
  return halvesOver;
}

void EndExtrasLine(ExtrasText& extras) {
  ++extras.nextValue;
}

PeriodChange PeriodChangeAfter(const ExtrasText& extras) {
  if (!extras.codes.empty() && extras.codes[0] == kFirstHalfOverCode)
    return PeriodChange::kSecondHalf;
  if (extras.codes.size() > 1 &&
      (extras.codes[1] == kAnotherOvertimeCode || extras.codes[1] == kOvertimeCode))
    return PeriodChange::kOvertime;
  return PeriodChange::kNone;
}

void AssignFoulerTeam(ReadContext& context, league::PlayerRecord& fouler,
                      const league::TeamRecord& team) {
  InGame& inGame = context.players[fouler];
  if (!fouler.teamName.empty() && !inGame.teamOpen &&
      !league::CompareText(fouler.teamName, team.name, false, true)) {
    LogNotUnderstood(context, run::ErrorKind::kTeamNameChange, fouler.name);
    return;
  }
  fouler.teamName = team.name;
  inGame.teamOpen = false;
}

}  // namespace yl::transcript
