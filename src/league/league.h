// The league model of a run: its players and teams, each kept in the order
// they were made, and the player hash by jersey number and name.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/stat_records.h"

namespace yl::league {

constexpr std::uint16_t kUndecided = 0xFFFF;  // side not known yet
constexpr std::uint16_t kOffense = 0;
constexpr std::uint16_t kDefense = 1;
constexpr std::size_t kMaxPlayerName = 31;
constexpr std::size_t kMaxTeamName = 63;
constexpr int kHashBuckets = 100;  // jersey numbers 0 to 99: only they are looked up

// Position codes: a code names an offensive or a defensive position by the
// player's side; 0 is none.
namespace offense {
constexpr std::int16_t kWideReceiver = 5;
constexpr std::int16_t kKicker = 8;
constexpr std::int16_t kQuarterback = 9;
constexpr std::int16_t kOffensiveLine = 10;
constexpr std::int16_t kRunningBack = 11;
}  // namespace offense
namespace defense {
constexpr std::int16_t kLinebacker = 4;
constexpr std::int16_t kDefensiveLine = 8;
constexpr std::int16_t kDefensiveBack = 9;
}  // namespace defense

struct PlayerRecord {
  std::string name;  // at most 31 characters
  std::int16_t number = 0;
  std::int16_t position = 0;  // 0 = none
  std::uint16_t side = kUndecided;
  std::string teamName;  // at most 63 characters; empty = none yet
  std::uint8_t kicked = 0;
  // His team is fixed when a game starts: a team file's player until a game
  // of a season run has been compiled, or a player whose team a rejected
  // game fixed. A game may not give him another team.
  bool teamFixed = false;
  std::uint32_t index = 0;  // his place in League::players

  std::optional<RushingRecord> rushing;
  std::optional<FGKickingRecord> fgKicking;
  std::optional<EPKickingRecord> epKicking;
  std::optional<TwoPointRecord> twoPoint;
  std::optional<KickReturnRecord> kickReturn;
  std::optional<PuntReturnRecord> puntReturn;
  std::optional<PuntingRecord> punting;
  std::optional<InterceptionRecord> interception;
  std::optional<DefensiveRecord> defensive;
  std::optional<SpecialTeamsRecord> specialTeams;
  std::optional<RecoveryRecord> recovery;
  std::optional<ReceivingRecord> receiving;
  std::optional<PassingRecord> passing;
  std::optional<MiscOffRecord> miscOff;
  std::optional<SpecialTeamsRecord> defSpecialTeams;
  std::optional<PenaltyRecord> penalty;
};

struct TeamTotals {
  std::int32_t rushingYards = 0;
  std::int32_t rushingPlays = 0;
  std::int32_t passingYards = 0;
  std::int32_t passingPlays = 0;
  std::int32_t completions = 0;
  std::int32_t attempts = 0;
  std::int32_t timesSacked = 0;
  std::int32_t intercepted = 0;
  std::int32_t fumbles = 0;
  std::int32_t fumblesLost = 0;
  std::int32_t firstDowns = 0;
  double thirdDownEfficiency = 0;
  std::int32_t punts = 0;
  double yardsPerPunt = 0;
  std::int32_t netYards = 0;
  double yardsPerPuntReturn = 0;
  double yardsPerKickReturn = 0;
  double yardsPerTurnover = 0;
  std::int32_t touchdowns = 0;
  std::int32_t extraPoints = 0;
  std::int32_t fieldGoalsMade = 0;
  std::int32_t fieldGoalsAttempted = 0;
  double yardsPerFieldGoal = 0;
  std::int32_t safeties = 0;
  std::int32_t penalties = 0;
  std::int32_t penaltyYards = 0;
  std::int32_t totalPlays = 0;
  std::int32_t timeMinutes = 0;
  std::int32_t timeSeconds = 0;
  std::int32_t totalYards = 0;
  std::int32_t points = 0;
  std::array<std::int32_t, 4> quarterPoints{};
  std::int32_t overtimePoints = -1;  // -1 until an overtime has been played
};

struct TeamRecord {
  std::string name;  // at most 63 characters
  std::int32_t gamesPlayed = 0;
  std::int32_t wins = 0;
  std::int32_t losses = 0;
  std::int32_t ties = 0;
  TeamTotals own;
  TeamTotals opponents;
};

// The players by jersey number and name, for the look-up of every token:
// the first player entered under a number and name is the one found (a team
// file may hold the same player twice). Open addressing over one flat table,
// which a roster copies as one block; each slot keeps its key's hash, so that
// a look-up reads a player's record only when the hashes agree.
class PlayerHash {
 public:
  // The index in `players` of the first player entered with the number and
  // name; kNone when there is none. (A plain number: an optional one went
  // back through memory in two parts loaded as one, which stalls the load.)
  static constexpr std::uint32_t kNone = UINT32_MAX;
  std::uint32_t Find(const std::deque<PlayerRecord>& players, int number,
                     std::string_view name) const;
  // Enters players[index] unless a player of his number and name is there.
  void Enter(const std::deque<PlayerRecord>& players, std::uint32_t index);
  // The number and name pairs entered.
  std::size_t size() const { return count_; }
  void clear();

 private:
  static constexpr std::uint32_t kEmpty = kNone;
  struct Slot {
    std::uint32_t index = kEmpty;
    std::uint32_t hash = 0;
  };
  static std::uint32_t HashOf(int number, std::string_view name);
  void Grow();

  std::vector<Slot> slots_;  // a power of two of them, at most half taken
  std::size_t count_ = 0;
};

// The league model of one run. A deque keeps every record where it is made,
// so the plays and lists that point at a player stay valid as the league
// grows.
struct League {
  League() = default;
  League(const League&) = delete;
  League& operator=(const League&) = delete;

  std::deque<PlayerRecord> players;  // in the order they were made
  std::deque<TeamRecord> teams;      // in the order they were made
  PlayerHash hash;
  // What a pass over every player would find nothing left to do for, so
  // that the pass after a game need only look at that game's players: no
  // player's team is fixed; every position that can be inferred is.
  bool teamsOpen = false;
  bool positionsInferred = false;
};

// The league's list: the newest player (or team) first. The reports take
// their players and teams in this order before they sort them, and a sort
// leaves equal ones as it finds them, so this order decides the order of
// equal rows.
// (A plain pair of reverse iterators: the range views of the standard
// library do not build with every compiler the project supports.)
template <typename Container>
class Reversed {
 public:
  explicit Reversed(Container& records) : records_(records) {}
  auto begin() const { return records_.rbegin(); }
  auto end() const { return records_.rend(); }
  std::size_t size() const { return records_.size(); }

 private:
  Container& records_;
};
template <typename Record>
Reversed<std::deque<Record>> NewestFirst(std::deque<Record>& records) {
  return Reversed<std::deque<Record>>(records);
}
template <typename Record>
Reversed<const std::deque<Record>> NewestFirst(const std::deque<Record>& records) {
  return Reversed<const std::deque<Record>>(records);
}

// Text comparison of the lookups: caseCounts false folds ASCII letters only.
bool CompareText(std::string_view a, std::string_view b, bool caseCounts, bool lengthsMatch);

// Two-letter position text by side, "??" for anything else.
std::string_view PositionText(std::int16_t position, std::uint16_t side);

PlayerRecord* FindPlayerInHash(League& league, int number, std::string_view name);

// A player token: "#", one or two digits, one separator byte, the name, and
// perhaps a marker ("*", "+" or 0xA0) that makes the player an offense player.
struct PlayerToken {
  std::int16_t number = 0;
  std::string_view name;  // cut to the length a name holds; a view into the token
  bool marked = false;
};

// What a token says; none for a token that names nobody: one that does not
// start with "#", holds another "#" or a "!", or has no one- or two-digit
// number (a third digit where the separator stands makes it none). It reads
// the text alone, so that whether a token names a player is known without
// the league.
std::optional<PlayerToken> ReadPlayerToken(std::string_view token);

// The player of the token, created when the league has none of its number
// and name; a marked token makes him an offense player.
PlayerRecord& FindOrCreatePlayer(League& league, const PlayerToken& token);

// Both in one: nullptr for a token that names nobody.
PlayerRecord* FindOrCreatePlayer(League& league, std::string_view token);

TeamRecord* FindOrCreateTeam(League& league, std::string_view name);

// Adds a player without any lookup (team files).
PlayerRecord* AddPlayer(League& league, std::string_view name, std::int16_t number);
// Adds a team without any lookup (team files).
TeamRecord* AddTeam(League& league, std::string_view name);

// Gives a player without a position the one his side and number suggest.
void InferPosition(PlayerRecord& player);
// The same for every player of the league.
void InferPositions(League& league);

void ReleasePlayerStats(PlayerRecord& player);
void ReleaseAllPlayerStats(League& league);
// Every player and team goes, and with them the hash.
void ReleaseLeague(League& league);
// What the team files gave a run, kept so that every game of a game-mode or
// per-play run starts from it as the first game does.
struct Roster {
  std::deque<PlayerRecord> players;
  std::deque<TeamRecord> teams;
  PlayerHash hash;
};
Roster KeepRoster(const League& league);
// The league as the roster was kept: whatever the games made is gone.
void RestoreRoster(League& league, const Roster& roster);
// Every player may be given another team in the next game (a pass over the
// league only when some team was fixed since the last).
void OpenAllTeams(League& league);

}  // namespace yl::league
