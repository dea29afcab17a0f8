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
  if (number >= 0 && number < kHashBuckets)
    run::Allocating(run::ErrorKind::kPlayerHashMemory,
                    [&] { league.hash.Enter(league.players, index); });
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

std::uint32_t PlayerHash::HashOf(int number, std::string_view name) {
  // FNV-1a over the number's byte and the name's bytes.
  std::uint32_t hash = 2166136261u;
  const auto mix = [&hash](unsigned char byte) { hash = (hash ^ byte) * 16777619u; };
  mix(static_cast<unsigned char>(number));
  for (const char c : name)
    mix(static_cast<unsigned char>(c));
  return hash;
}

std::uint32_t PlayerHash::Find(const std::deque<PlayerRecord>& players, int number,
                               std::string_view name) const {
  if (slots_.empty()) return kNone;
  const std::uint32_t hash = HashOf(number, name);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].index != kEmpty; i = (i + 1) & mask) {
    if (slots_[i].hash != hash) continue;
    const PlayerRecord& player = players[slots_[i].index];
    if (player.number == number && player.name == name) return slots_[i].index;
  }
  return kNone;
}

void PlayerHash::Enter(const std::deque<PlayerRecord>& players, std::uint32_t index) {
  const PlayerRecord& player = players[index];
  if (Find(players, player.number, player.name) != kNone) return;
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  const std::uint32_t hash = HashOf(player.number, player.name);
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].index != kEmpty)
    i = (i + 1) & mask;
  slots_[i] = Slot{index, hash};
  ++count_;
}

void PlayerHash::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(std::max<std::size_t>(256, old.size() * 2), Slot());
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.index == kEmpty) continue;
    std::size_t i = slot.hash & mask;
    while (slots_[i].index != kEmpty)
      i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void PlayerHash::clear() {
  slots_.clear();
  count_ = 0;
}

PlayerRecord* FindPlayerInHash(League& league, int number, std::string_view name) {
  if (number < 0 || number >= kHashBuckets) return nullptr;
  const std::uint32_t index = league.hash.Find(league.players, number, name);
  return index != PlayerHash::kNone ? &league.players[index] : nullptr;
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

void InferPosition(PlayerRecord& p) {
  if (p.position != 0) return;
  const int n = p.number;
  if (p.side == kOffense) {
    if (n < 0) return;
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
    if (n < 20) return;
    if (n <= 49) {
      p.position = defense::kDefensiveBack;
    } else if (n <= 59) {
      p.position = defense::kLinebacker;
    } else {
      p.position = defense::kDefensiveLine;
    }
  }
}

void InferPositions(League& league) {
  for (PlayerRecord& p : league.players)
    InferPosition(p);
  league.positionsInferred = true;
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
  league.hash.clear();
  league.players.clear();
  league.teams.clear();
  league.teamsOpen = false;
  league.positionsInferred = false;
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
  league.teamsOpen = false;
  league.positionsInferred = false;
}

void OpenAllTeams(League& league) {
  if (league.teamsOpen) return;
  for (PlayerRecord& p : league.players)
    p.teamFixed = false;
  league.teamsOpen = true;
}

}  // namespace yl::league
