// Hand-built plays for the crediting tests. Players get the sides, groups
// and teams that the meaning step and the team inference would leave: the
// Bears have the ball (label 1), the Lions defend (label -1).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "stats/accumulate.h"

namespace yl::stats::test {

using league::kDefense;
using league::kOffense;
using league::kUndecided;

class PlayFixture : public testing::Test {
 protected:
  league::League league;
  transcript::GameState read;
  ScoringSummary scoring;
  LongestLists longest;
  // The scoring summary and the longest plays (ten rows) are kept.
  GameCredit game{league, read, &scoring, &longest, 10};
  std::deque<CurrentPlay> plays;

  PlayerRecord* Player(std::string_view name, std::int16_t number, std::uint16_t side,
                       std::int16_t position = 0) {
    PlayerRecord* p = league::AddPlayer(league, name, number);
    read.players.Name(*p);
    p->side = side;
    p->position = position;
    p->teamName = side == kDefense ? "Lions" : "Bears";
    In(p).teamGroup = side == kDefense ? -1 : 1;
    In(p).otherGroup = 1;
    return p;
  }

  // What the game says of a player.
  transcript::InGame& In(const PlayerRecord* p) { return read.players[*p]; }

  // A scrimmage down by the Bears from their own 30, 1st quarter, 12:05 on
  // the clock, after the plays made before it.
  CurrentPlay& Down(std::int16_t down = 1, std::int16_t distance = 10, std::int16_t group = 1) {
    CurrentPlay& play = plays.emplace_back();
    transcript::Situation& s = play.situation;
    s.quarter = 1;
    s.minutes = 12;
    s.seconds = 5;
    s.down = down;
    s.distance = distance;
    s.yardLine = 30;
    s.ownSide = true;
    play.groupAtSnap = group;
    play.groupAfter = group;
    return play;
  }

  // A kick-off, free kick or try: no down and distance.
  CurrentPlay& Kick(transcript::StartKind startKind, transcript::PlayKind kind) {
    CurrentPlay& play = Down();
    play.situation.down.reset();
    play.situation.distance.reset();
    play.situation.start = startKind;
    play.kind = kind;
    return play;
  }

  static void Gain(CurrentPlay& play, std::int16_t yards, bool gain = true) {
    play.gain.yards = yards;
    play.gain.positive = gain;
  }

  // A run from first-and-10 that gained (or lost) the yards.
  CurrentPlay& Rush(PlayerRecord* runner, std::int16_t yards, bool gain = true) {
    CurrentPlay& play = Down();
    play.SetPlayer(Role::kRusher, runner);
    Gain(play, yards, gain);
    return play;
  }

  // A pass from first-and-10, caught by the receiver (none: not caught).
  CurrentPlay& Pass(PlayerRecord* passer, PlayerRecord* receiver, std::int16_t yards,
                    transcript::PlayResult result = transcript::PlayResult::kNone) {
    CurrentPlay& play = Down();
    play.kind = PlayKind::kPass;
    play.result = result;
    play.SetPlayer(Role::kPasser, passer);
    play.SetPlayer(Role::kReceiver, receiver);
    Gain(play, yards);
    return play;
  }

  // A fumble chain: fumbler and recoverer of each fumble (nullptr: none).
  static void Fumbles(CurrentPlay& play,
                      std::initializer_list<std::pair<PlayerRecord*, PlayerRecord*>> chain) {
    play.fumble = true;
    std::size_t i = 0;
    for (const auto& [fumbler, recoverer] : chain) {
      play.fumblers[i] = fumbler;
      play.recoverers[i] = recoverer;
      ++i;
    }
  }

  void Credit() {
    for (std::size_t i = 0; i < plays.size(); ++i) {
      const CurrentPlay* next = i + 1 < plays.size() ? &plays[i + 1] : nullptr;
      if (!plays[i].noPlay) AccumulatePlay(game, plays[i], next);
    }
  }

  std::vector<const ScoringDriveRecord*> Entries() const {
    std::vector<const ScoringDriveRecord*> entries;
    for (const ScoringDriveRecord& e : scoring.entries)
      entries.push_back(&e);
    return entries;
  }
};

}  // namespace yl::stats::test
