// Players, teams, the player hash and position inference.
#include "league/league.h"

#include <algorithm>
#include <new>

#include "run/errors.h"

namespace yl::league {

namespace {

char FoldCase(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

std::string_view Cut(std::string_view text, std::size_t limit) {
  return text.size() > limit ? text.substr(0, limit) : text;
}

// A new player, entered in the hash under his number.
PlayerRecord* CreatePlayer(League& league, std::string_view name, int number) {
  const auto index = static_cast<std::uint32_t>(league.players.size());
  PlayerRecord* player = run::Allocating(run::ErrorKind::kPlayerRecordMemory,
                                         [&] { return &league.players.emplace_back(); });
  player->name = std::string(Cut(name, kMaxPlayerName));
  player->number = static_cast<std::int16_t>(number);
  player->index = index;
  // A number outside the hash is never looked up.
  if (number >= 0 && number < kHashBuckets) {
    const HashEntry entry{index, static_cast<std::uint8_t>(player->name.size()),
                          player->name.empty() ? '\0' : player->name[0]};
    run::Allocating(run::ErrorKind::kPlayerHashMemory,
                    [&] { league.hash.buckets[number].push_back(entry); });
  }
  return player;
}

}  // namespace

bool CompareText(std::string_view a, std::string_view b, bool caseCounts, bool lengthsMatch) {
  if (lengthsMatch && a.size() != b.size()) return false;
  if (b.size() > a.size()) return false;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (caseCounts ? a[i] != b[i] : FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

std::string_view PositionText(std::int16_t position, std::uint16_t side) {
  static constexpr std::array<std::string_view, 12> kOffenseText = {
      "??", "OC", "OG", "OT", "TE", "WR", "HB", "FB", "KK", "QB", "OL", "RB"};
  static constexpr std::array<std::string_view, 10> kDefenseText = {"??", "NT", "DT", "DE", "LB",
                                                                    "CB", "SS", "FS", "DL", "DB"};
  if (side == kOffense && position >= 1 && position <= 11) return kOffenseText[position];
  if (side == kDefense && position >= 1 && position <= 9) return kDefenseText[position];
  return "??";
}

PlayerRecord* FindPlayerInHash(League& league, int number, std::string_view name) {
  if (number < 0 || number >= kHashBuckets) return nullptr;
  for (const HashEntry& entry : league.hash.buckets[number]) {
    // Length and first letter first: most players of a bucket differ there.
    if (entry.nameLength != name.size() || (!name.empty() && entry.nameFirst != name[0])) continue;
    PlayerRecord& player = league.players[entry.index];
    if (player.name == name) return &player;
  }
  return nullptr;
}

std::optional<PlayerToken> ReadPlayerToken(std::string_view token) {
  bool marked = false;
  if (!token.empty()) {
    const auto last = static_cast<unsigned char>(token.back());
    if (last == '*' || last == '+' || last == 0xA0) {
      token.remove_suffix(1);
      marked = true;
    }
  }
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] == '#' || token[i] == '!') return std::nullopt;
  }
  if (token.empty() || token[0] != '#') return std::nullopt;
  // A number that is not one or two digits is no jersey number: such a token
  // names nobody, so that it can never index outside the hash.
  if (token.size() < 2 || !IsDigit(token[1])) return std::nullopt;
  int number = token[1] - '0';
  std::size_t nameStart = 3;
  if (token.size() > 2 && IsDigit(token[2])) {
    number = number * 10 + (token[2] - '0');
    nameStart = 4;
  }
  // A third digit is a number too large for a jersey, not the separator.
  if (token.size() >= nameStart && IsDigit(token[nameStart - 1])) return std::nullopt;
  const std::string_view name =
      Cut(nameStart < token.size() ? token.substr(nameStart) : std::string_view(), kMaxPlayerName);
  return PlayerToken{static_cast<std::int16_t>(number), name, marked};
}

PlayerRecord& FindOrCreatePlayer(League& league, const PlayerToken& token) {
  PlayerRecord* player = FindPlayerInHash(league, token.number, token.name);
  if (player != nullptr) {
    if (token.marked) player->side = kOffense;
  } else {
    player = CreatePlayer(league, token.name, token.number);
    player->side = token.marked ? kOffense : kUndecided;
  }
  return *player;
}

PlayerRecord* FindOrCreatePlayer(League& league, std::string_view token) {
  const std::optional<PlayerToken> read = ReadPlayerToken(token);
  return read ? &FindOrCreatePlayer(league, *read) : nullptr;
}

TeamRecord* AddTeam(League& league, std::string_view name) {
  TeamRecord* team = run::Allocating(run::ErrorKind::kTeamRecordMemory,
                                     [&] { return &league.teams.emplace_back(); });
  team->name = std::string(Cut(name, kMaxTeamName));
  return team;
}

TeamRecord* FindOrCreateTeam(League& league, std::string_view name) {
  name = Cut(name, kMaxTeamName);
  for (TeamRecord& team : NewestFirst(league.teams)) {
    if (CompareText(team.name, name, false, true)) return &team;
  }
  return AddTeam(league, name);
}

PlayerRecord* AddPlayer(League& league, std::string_view name, std::int16_t number) {
  return CreatePlayer(league, name, number);
}

void InferPositions(League& league) {
  for (PlayerRecord& p : league.players) {
    if (p.position != 0) continue;
    const int n = p.number;
    if (p.side == kOffense) {
      if (n < 0) continue;
      if (n <= 19) {
        p.position = p.kicked ? offense::kKicker : offense::kQuarterback;
      } else if (n <= 49) {
        p.position = offense::kRunningBack;
      } else if (n <= 79) {
        p.position = offense::kOffensiveLine;
      } else {
        p.position = offense::kWideReceiver;
      }
    } else if (p.side == kDefense) {
      if (n < 20) continue;
      if (n <= 49) {
        p.position = defense::kDefensiveBack;
      } else if (n <= 59) {
        p.position = defense::kLinebacker;
      } else {
        p.position = defense::kDefensiveLine;
      }
    }
  }
}

void ReleasePlayerStats(PlayerRecord& p) {
  p.rushing.reset();
  p.fgKicking.reset();
  p.epKicking.reset();
  p.twoPoint.reset();
  p.kickReturn.reset();
  p.puntReturn.reset();
  p.punting.reset();
  p.interception.reset();
  p.defensive.reset();
  p.specialTeams.reset();
  p.recovery.reset();
  p.receiving.reset();
  p.passing.reset();
  p.miscOff.reset();
  p.defSpecialTeams.reset();
  p.penalty.reset();
}

void ReleaseAllPlayerStats(League& league) {
  for (PlayerRecord& p : league.players)
    ReleasePlayerStats(p);
}

void ReleaseLeague(League& league) {
  for (auto& bucket : league.hash.buckets)
    bucket.clear();
  league.players.clear();
  league.teams.clear();
}

Roster KeepRoster(const League& league) {
  return run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] {
    return Roster{league.players, league.teams, league.hash};
  });
}

void RestoreRoster(League& league, const Roster& roster) {
  run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] {
    league.players = roster.players;
    league.teams = roster.teams;
    league.hash = roster.hash;
  });
}

void OpenAllTeams(League& league) {
  for (PlayerRecord& p : league.players)
    p.teamFixed = false;
}

}  // namespace yl::league
