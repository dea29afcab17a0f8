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

PlayerRecord* CreatePlayerRecord(League& league) {
  return run::Allocating(run::ErrorKind::kPlayerRecordMemory,
                         [&] { return &league.playerArena.emplace_back(); });
}

void LinkAtHead(League& league, PlayerRecord* player) {
  player->serial = ++league.playersCreated;
  player->previous = nullptr;
  player->next = league.players;
  if (league.players != nullptr) league.players->previous = player;
  league.players = player;
  ++league.playerCount;
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
  for (PlayerRecord* player : league.hash.buckets[number]) {
    // Length and first letter first: most players of a bucket differ there.
    const std::string& own = player->name;
    if (own.size() != name.size() || (!name.empty() && own[0] != name[0])) continue;
    if (own == name) return player;
  }
  return nullptr;
}

void EnterPlayerInHash(League& league, int number, PlayerRecord* player) {
  if (number < 0 || number >= kHashBuckets) return;
  run::Allocating(run::ErrorKind::kPlayerHashMemory,
                  [&] { league.hash.buckets[number].push_back(player); });
}

PlayerRecord* FindOrCreatePlayer(League& league, std::string_view token) {
  bool marked = false;
  if (!token.empty()) {
    const auto last = static_cast<unsigned char>(token.back());
    if (last == '*' || last == '+' || last == 0xA0) {
      token.remove_suffix(1);
      marked = true;
    }
  }
  for (std::size_t i = 1; i < token.size(); ++i) {
    if (token[i] == '#' || token[i] == '!') return nullptr;
  }
  if (token.empty() || token[0] != '#') return nullptr;
  // A number that is not one or two digits is no jersey number: such a token
  // names nobody, so that it can never index outside the hash.
  if (token.size() < 2 || !IsDigit(token[1])) return nullptr;
  int number = token[1] - '0';
  std::size_t nameStart = 3;
  if (token.size() > 2 && IsDigit(token[2])) {
    number = number * 10 + (token[2] - '0');
    nameStart = 4;
  }
  const std::string_view name =
      Cut(nameStart < token.size() ? token.substr(nameStart) : std::string_view(), kMaxPlayerName);

  PlayerRecord* player = nullptr;
  if (league.playerCount == 0) {
    ReleaseHash(league);
  } else {
    player = FindPlayerInHash(league, number, name);
    if (player != nullptr) {
      if (marked) player->side = kOffense;
      NoteGamePlayer(league, player);
      return player;
    }
  }
  player = CreatePlayerRecord(league);
  player->name = std::string(name);
  player->number = static_cast<std::int16_t>(number);
  player->side = marked ? kOffense : kUndecided;
  LinkAtHead(league, player);
  EnterPlayerInHash(league, number, player);
  NoteGamePlayer(league, player);
  return player;
}

TeamRecord* AddTeam(League& league, std::string_view name) {
  TeamRecord* team = run::Allocating(run::ErrorKind::kTeamRecordMemory,
                                     [&] { return &league.teamArena.emplace_back(); });
  team->name = std::string(Cut(name, kMaxTeamName));
  team->next = league.teams;
  if (league.teams != nullptr) league.teams->previous = team;
  league.teams = team;
  ++league.teamCount;
  return team;
}

TeamRecord* FindOrCreateTeam(League& league, std::string_view name) {
  name = Cut(name, kMaxTeamName);
  for (TeamRecord* team = league.teams; team != nullptr; team = team->next) {
    if (CompareText(team->name, name, false, true)) return team;
  }
  return AddTeam(league, name);
}

void NoteGamePlayer(League& league, PlayerRecord* player) {
  if (player->namedInGame == league.gameNumber) return;
  player->namedInGame = league.gameNumber;
  auto& named = league.gamePlayers;
  const auto at = std::upper_bound(
      named.begin(), named.end(), player,
      [](const PlayerRecord* a, const PlayerRecord* b) { return a->serial > b->serial; });
  run::Allocating(run::ErrorKind::kPlayerRecordMemory, [&] { named.insert(at, player); });
}

void StartGamePlayers(League& league) {
  league.gamePlayers.clear();
  ++league.gameNumber;  // no player carries the new number yet
}

PlayerRecord* AddPlayer(League& league, std::string_view name, std::int16_t number) {
  if (league.playerCount == 0) ReleaseHash(league);
  PlayerRecord* player = CreatePlayerRecord(league);
  player->name = std::string(Cut(name, kMaxPlayerName));
  player->number = number;
  LinkAtHead(league, player);
  EnterPlayerInHash(league, number, player);
  return player;
}

void InferPositions(League& league) {
  for (PlayerRecord* p = league.players; p != nullptr; p = p->next) {
    if (p->position != 0) continue;
    const int n = p->number;
    if (p->side == kOffense) {
      if (n < 0) continue;
      if (n <= 19) {
        p->position = p->kicked ? offense::kKicker : offense::kQuarterback;
      } else if (n <= 49) {
        p->position = offense::kRunningBack;
      } else if (n <= 79) {
        p->position = offense::kOffensiveLine;
      } else {
        p->position = offense::kWideReceiver;
      }
    } else if (p->side == kDefense) {
      if (n < 20) continue;
      if (n <= 49) {
        p->position = defense::kDefensiveBack;
      } else if (n <= 59) {
        p->position = defense::kLinebacker;
      } else {
        p->position = defense::kDefensiveLine;
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
  for (PlayerRecord* p = league.players; p != nullptr; p = p->next)
    ReleasePlayerStats(*p);
}

void ResetHomeFlags(League& league) {
  for (TeamRecord* t = league.teams; t != nullptr; t = t->next)
    t->homeFlag = kNotInGame;
}

void ReleasePlayers(League& league) {
  league.players = nullptr;
  league.playerCount = 0;
  league.gamePlayers.clear();
  league.playerArena.clear();
}

void ReleaseHash(League& league) {
  for (auto& bucket : league.hash.buckets)
    bucket.clear();
}

void ReleaseTeams(League& league) {
  league.teams = nullptr;
  league.teamCount = 0;
  league.teamArena.clear();
}

void OpenAllTeams(League& league) {
  for (PlayerRecord* p = league.players; p != nullptr; p = p->next)
    p->teamOpen = 1;
}

}  // namespace yl::league
