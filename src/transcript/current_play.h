// One parsed play: the codes and numbers of its header, description, gains
// and extras lines, the players named in it and what they did. Start values
// are the member initialisers; a play is reset by assigning CurrentPlay{}
// and then setting its teams and groupAtSnap.
#pragma once

#include <array>
#include <cstdint>

#include "league/league.h"
#include "transcript/play_codes.h"

namespace yl::transcript {

constexpr int kHeaderSlots = 20;
constexpr int kDescSlots = 10;
constexpr int kGainsSlots = 10;
constexpr int kExtrasSlots = 10;
constexpr int kFumbleSlots = 5;

// An extras value slot: nothing yet, a number, or a player.
struct ExtrasValue {
  std::int16_t number = 0;
  league::PlayerRecord* player = nullptr;
};

struct CurrentPlay {
  std::uint8_t gameOver = 0;
  std::uint8_t noPlay = 0;
  std::uint8_t periodBreak = 0;
  std::uint8_t pendingFirstDown = 0;
  league::PlayerRecord* pendingPlayer1 = nullptr;
  league::PlayerRecord* pendingPlayer2 = nullptr;
  std::int16_t pendingKind1 = 0;
  std::int16_t pendingKind2 = 0;

  league::TeamRecord* homeTeam = nullptr;
  league::TeamRecord* visitingTeam = nullptr;

  // Header.
  std::int16_t headerCount = 0;
  std::array<std::int16_t, kHeaderSlots> headerCodes = Filled<kHeaderSlots>(-1);
  std::int16_t headerNumberCount = 0;
  std::array<std::int16_t, kHeaderSlots> headerNumbers = Filled<kHeaderSlots>(-1);
  std::int16_t visitingScoreIndex = -1;
  std::int16_t homeScoreIndex = -1;
  std::int16_t quarterIndex = -1;
  std::int16_t minutesIndex = -1;
  std::int16_t secondsIndex = -1;
  std::int16_t downIndex = -1;
  std::int16_t distanceIndex = -1;
  std::uint8_t inches = 0;
  std::uint8_t shortGain = 0;
  std::uint8_t ownSide = 0;
  std::uint8_t returnSpot = 0;
  std::int16_t yardLineIndex = -1;
  StartKind startKind = StartKind::kScrimmage;

  PlayKind playKind = PlayKind::kRush;

  // Penalties and extras.
  std::uint8_t penalty = 0;
  std::uint8_t penaltyAccepted = 0;
  PenaltyKind penaltyKind = PenaltyKind::kNone;
  std::uint8_t lossOfDown = 0;
  std::int16_t extrasCount = 0;
  std::int16_t extrasValueCount = 0;
  std::array<std::int16_t, kExtrasSlots> extrasCodes = Filled<kExtrasSlots>(-1);
  std::array<ExtrasValue, kExtrasSlots> extrasValues{};
  std::uint8_t automaticFirstDown = 0;
  std::int16_t foulIndex = -1;
  std::int16_t assessedFromIndex = -1;
  std::int16_t placementIndex = -1;
  std::int16_t penaltyYardsIndex = -1;

  // Description.
  std::int16_t descCount = 0;
  std::array<std::int16_t, kDescSlots> descCodes = Filled<kDescSlots>(-1);
  std::int16_t descPlayerCount = 0;
  std::array<league::PlayerRecord*, kDescSlots> descPlayers{};

  // Meaning: fumbles and the roles, as indexes into descPlayers.
  std::uint8_t fumble = 0;
  std::array<std::int16_t, kFumbleSlots> fumblers = Filled<kFumbleSlots>(-1);
  std::array<std::int16_t, kFumbleSlots> recoverers = Filled<kFumbleSlots>(-1);
  std::int16_t blocker = -1;
  std::int16_t kicker = -1;
  std::int16_t rusher = -1;
  std::int16_t passer = -1;
  std::int16_t receiver = -1;
  std::int16_t target = -1;
  std::int16_t defender = -1;
  std::int16_t interceptor = -1;
  std::int16_t sacker = -1;
  std::int16_t sacked = -1;
  std::int16_t tackler = -1;
  std::int16_t returner = -1;
  PlayResult result = PlayResult::kNone;

  // Gains.
  std::int16_t gainsCount = 0;
  std::array<std::int16_t, kGainsSlots> gainsCodes = Filled<kGainsSlots>(-1);
  std::int16_t gainsNumberCount = 0;
  std::array<std::int16_t, kGainsSlots> gainsNumbers{};
  std::uint8_t gainPositive = 1;
  std::int16_t gainIndex = -1;
  std::int16_t ballOnIndex = -1;
  std::uint8_t turnedOver = 0;

  // Possession groups.
  std::int16_t groupAtSnap = 0;
  std::int16_t groupAfter = 0;

  CurrentPlay* previous = nullptr;
  CurrentPlay* next = nullptr;

 private:
  template <int N>
  static constexpr std::array<std::int16_t, N> Filled(std::int16_t value) {
    std::array<std::int16_t, N> a{};
    a.fill(value);
    return a;
  }
};

}  // namespace yl::transcript
