// One parsed play: its lines as read (the phrases of each line and what
// stands between them, which the per-play echo writes back), and what they
// say of the play: the situation at the snap, the players by role, the
// fumbles, the gain, the penalty and how the play ended. A play whose
// reading failed keeps what was read of it before the failure.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "league/league.h"
#include "transcript/phrase_table.h"
#include "transcript/play_codes.h"

namespace yl::transcript {

// At most N items kept in place: the phrases of a line, without an
// allocation per play.
template <typename T, std::size_t N>
class BoundedList {
  static_assert(N <= 255, "the count is one byte");

 public:
  // False, and nothing added, when the list is full.
  bool push_back(const T& item) {
    if (size_ == N) return false;
    items_[size_++] = item;
    return true;
  }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  const T& operator[](std::size_t i) const { return items_[i]; }
  T& operator[](std::size_t i) { return items_[i]; }
  const T* begin() const { return items_.data(); }
  const T* end() const { return items_.data() + size_; }

 private:
  std::array<T, N> items_{};
  std::uint8_t size_ = 0;
};

// The header as read: its phrases, and the numbers between them (number i
// follows phrase i).
constexpr std::size_t kHeaderPhrases = 20;
constexpr std::size_t kHeaderNumbers = 14;
struct HeaderText {
  BoundedList<PhraseCode, kHeaderPhrases> codes;
  BoundedList<std::int16_t, kHeaderNumbers> numbers;
};

// A token that named a player, by its place in the game's list of such
// tokens (ParseContext::tokens); kNoToken: none.
using TokenNumber = std::uint32_t;
constexpr TokenNumber kNoToken = UINT32_MAX;

// The description as read: its phrases, and its tokens in line order; the
// players they name once the game's tokens have been looked up.
constexpr std::size_t kDescriptionSlots = 10;
struct DescriptionText {
  BoundedList<PhraseCode, kDescriptionSlots> codes;
  BoundedList<TokenNumber, kDescriptionSlots> tokens;
  BoundedList<league::PlayerRecord*, kDescriptionSlots> players;
};

// The gains line as read: its phrases and the numbers between them.
constexpr std::size_t kGainsSlots = 10;
constexpr std::size_t kGainsNumbers = 8;
struct GainsText {
  BoundedList<PhraseCode, kGainsSlots> codes;
  BoundedList<std::int16_t, kGainsNumbers> numbers;
};

// The extras lines as read. Value i is what follows phrase i (a number or a
// player); a phrase followed by the next phrase leaves its value empty.
constexpr std::size_t kExtrasSlots = 10;
struct ExtrasValue {
  league::PlayerRecord* player = nullptr;
  TokenNumber token = kNoToken;  // the token that named the player
  std::int16_t number = 0;
};
struct ExtrasText {
  BoundedList<PhraseCode, kExtrasSlots> codes;
  std::array<ExtrasValue, kExtrasSlots> values{};
  std::size_t nextValue = 0;  // where the next value goes
  // The phrases whose values name the fouler, the automatic placement, the
  // stated yards and the spot of assessment, as the walks over the phrases
  // have found them so far. Each extras line walks every phrase read so far
  // again.
  std::optional<std::uint8_t> foulAt;
  std::optional<std::uint8_t> placementAt;
  std::optional<std::uint8_t> yardsAt;
  std::optional<std::uint8_t> assessedAt;
};

// The situation at the snap, as the header gives it; a number the header
// does not give is absent.
struct Situation {
  StartKind start = StartKind::kScrimmage;
  std::optional<std::int16_t> quarter;  // 5 in overtime
  std::optional<std::int16_t> minutes;  // on the clock
  std::optional<std::int16_t> seconds;
  std::optional<std::int16_t> down;
  std::optional<std::int16_t> distance;  // 1 for inches or goal to go on the goal line
  std::optional<std::int16_t> yardLine;
  bool ownSide = false;  // the yard line is in the offense's own half
  bool inches = false;   // inches or the goal line to go
  std::optional<std::int16_t> visitingScore;
  std::optional<std::int16_t> homeScore;
};

// What the gains line says.
struct Gain {
  std::optional<std::int16_t> yards;  // absent: the play has no yardage
  bool positive = true;               // a gain, not a loss
  std::optional<std::int16_t> ballOn;
  bool shortGain = false;
  bool returnSpot = false;  // the yards are those of a return
  bool turnedOver = false;
};

// The penalty called on the play and the decision on it.
struct Penalty {
  bool called = false;
  bool accepted = false;
  PenaltyKind kind = PenaltyKind::kNone;
  league::PlayerRecord* fouler = nullptr;
  std::optional<std::int16_t> yards;         // as the decision states them
  std::optional<std::int16_t> placement;     // the yard line of an automatic placement
  std::optional<std::int16_t> assessedFrom;  // the yard line it is assessed from
  bool automaticFirstDown = false;
  bool lossOfDown = false;
};

// The roles a description gives its players.
enum class Role : std::uint8_t {
  kBlocker,
  kKicker,
  kRusher,
  kPasser,
  kReceiver,
  kTarget,  // of an incomplete pass
  kDefender,
  kInterceptor,
  kSacker,
  kSacked,
  kTackler,
  kReturner,
};
constexpr std::size_t kRoleCount = 12;

// A play fumbles at most five times.
constexpr std::size_t kFumbleSlots = 5;

struct CurrentPlay {
  HeaderText header;
  DescriptionText description;
  // The description line as the transcript has it (a view into the game's
  // text, valid while the game lives); empty when the play has none.
  std::string_view descriptionLine;
  GainsText gains;
  ExtrasText extras;

  Situation situation;
  PlayKind kind = PlayKind::kRush;  // a play without a kind word counts as a rush
  PlayResult result = PlayResult::kNone;
  std::array<league::PlayerRecord*, kRoleCount> roles{};
  // The fumbles in order: who lost the ball and who recovered it (either
  // may be unnamed).
  bool fumble = false;
  std::array<league::PlayerRecord*, kFumbleSlots> fumblers{};
  std::array<league::PlayerRecord*, kFumbleSlots> recoverers{};
  Gain gain;
  Penalty penalty;
  bool noPlay = false;       // whistled dead before the snap
  bool periodBreak = false;  // a period ends after the play
  bool gameOver = false;

  // The possession labels at the snap and after the play.
  std::int16_t groupAtSnap = 0;
  std::int16_t groupAfter = 0;

  league::PlayerRecord* Player(Role role) const { return roles[static_cast<std::size_t>(role)]; }
  void SetPlayer(Role role, league::PlayerRecord* player) {
    roles[static_cast<std::size_t>(role)] = player;
  }
};

}  // namespace yl::transcript
