// Teams, rosters and team files of a simulated league.
#include "roster.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace yl::sim {

namespace {

// One word each, 3 to 12 letters, no two alike in their first three letters.
constexpr std::array<std::string_view, 60> kTeamNames = {
    "Aces",      "Bears",    "Cardinals",  "Dragons",  "Eagles",    "Falcons",    "Giants",
    "Hawks",     "Ironmen",  "Jets",       "Knights",  "Lions",     "Mustangs",   "Nighthawks",
    "Owls",      "Panthers", "Quakers",    "Ravens",   "Stallions", "Titans",     "Unicorns",
    "Vikings",   "Wolves",   "Yaks",       "Zephyrs",  "Bandits",   "Cougars",    "Dolphins",
    "Express",   "Foxes",    "Gladiators", "Hornets",  "Jaguars",   "Kings",      "Lancers",
    "Marauders", "Nomads",   "Outlaws",    "Pioneers", "Rockets",   "Sabres",     "Thunder",
    "Voyagers",  "Warriors", "Bulldogs",   "Chiefs",   "Dukes",     "Rangers",    "Spartans",
    "Tornadoes", "Monarchs", "Patriots",   "Pirates",  "Wildcats",  "Buccaneers", "Comets",
    "Stingers",  "Blizzard", "Rebels",     "Sentinels"};

constexpr std::array<std::string_view, 96> kNameStarts = {
    "Ab",  "Al",  "Ar",  "Bar", "Bel", "Ben", "Bla", "Bor", "Bra", "Bri", "Bro", "Bur",
    "Cal", "Car", "Cas", "Cha", "Cla", "Col", "Cor", "Cra", "Dal", "Dar", "Dav", "Den",
    "Dor", "Dra", "Dun", "Ed",  "El",  "Far", "Fen", "Fin", "Fle", "For", "Fos", "Gal",
    "Gar", "Gil", "Gor", "Gra", "Gri", "Hal", "Ham", "Har", "Hay", "Hen", "Hol", "Hud",
    "Jac", "Jar", "Jen", "Kel", "Ken", "Kin", "Lan", "Lar", "Law", "Lin", "Lor", "Mac",
    "Mad", "Mar", "Mer", "Mil", "Mon", "Mor", "Nel", "New", "Nor", "Os",  "Par", "Pen",
    "Per", "Ral", "Ran", "Red", "Rei", "Rob", "Ros", "Rut", "Sal", "San", "Sel", "Sha",
    "Sim", "Sta", "Sto", "Tal", "Tay", "Ter", "Tre", "Tur", "Van", "Wal", "Web", "Wil"};

constexpr std::array<std::string_view, 40> kNameEnds = {
    "ton",   "son",   "ley", "er",  "man", "ford", "well", "ins",  "by",    "den",
    "field", "ers",   "ett", "ock", "ard", "wick", "more", "ling", "ridge", "ston",
    "dale",  "worth", "ham", "ner", "ick", "sey",  "an",   "en",   "ow",    "ing",
    "ant",   "oy",    "ey",  "ell", "es",  "all",  "lin",  "ke",   "ris",   "ry"};

constexpr std::array<std::string_view, 6> kNameMiddles = {"a", "e", "i", "o", "in", "er"};

struct Slot {
  Role role;
  int position;
  bool defense;
};

// What every entry of a roster holds; the used entries are the ones that play.
constexpr std::array<Slot, kRosterEntries> kSlots = {{
    {Role::kQuarterback, 9, false},      // 0 reserve
    {Role::kQuarterback, 9, false},      // 1 starter
    {Role::kQuarterback, 9, false},      // 2
    {Role::kKicker, 8, false},           // 3
    {Role::kPunter, 8, false},           // 4
    {Role::kHalfback, 6, false},         // 5
    {Role::kHalfback, 6, false},         // 6
    {Role::kFullback, 7, false},         // 7
    {Role::kCenter, 1, false},           // 8
    {Role::kGuard, 2, false},            // 9
    {Role::kGuard, 2, false},            // 10
    {Role::kTackle, 3, false},           // 11
    {Role::kTackle, 3, false},           // 12
    {Role::kWideReceiver, 5, false},     // 13
    {Role::kWideReceiver, 5, false},     // 14
    {Role::kWideReceiver, 5, false},     // 15
    {Role::kTightEnd, 4, false},         // 16
    {Role::kDefensiveEnd, 3, true},      // 17
    {Role::kDefensiveEnd, 3, true},      // 18
    {Role::kDefensiveTackle, 2, true},   // 19
    {Role::kNoseTackle, 1, true},        // 20
    {Role::kLinebacker, 4, true},        // 21
    {Role::kLinebacker, 4, true},        // 22
    {Role::kLinebacker, 4, true},        // 23
    {Role::kLinebacker, 4, true},        // 24
    {Role::kCornerback, 5, true},        // 25
    {Role::kRunningBack, 11, false},     // 26 reserve
    {Role::kTackle, 3, false},           // 27 reserve
    {Role::kGuard, 2, false},            // 28 reserve
    {Role::kCenter, 1, false},           // 29 reserve
    {Role::kWideReceiver, 5, false},     // 30 reserve
    {Role::kCornerback, 5, true},        // 31
    {Role::kWideReceiver, 5, false},     // 32 reserve
    {Role::kTightEnd, 4, false},         // 33 reserve
    {Role::kDefensiveEnd, 3, true},      // 34 reserve
    {Role::kCornerback, 5, true},        // 35
    {Role::kStrongSafety, 6, true},      // 36
    {Role::kDefensiveLineman, 8, true},  // 37 reserve
    {Role::kLinebacker, 4, true},        // 38 reserve
    {Role::kFreeSafety, 7, true},        // 39
    {Role::kLinebacker, 4, true},        // 40 reserve
    {Role::kCornerback, 5, true},        // 41 reserve
    {Role::kDefensiveBack, 9, true},     // 42
    {Role::kDefensiveBack, 9, true},     // 43 reserve
    {Role::kStrongSafety, 6, true},      // 44 reserve
}};

// Jersey numbers customary for a job, as ranges.
std::vector<std::pair<int, int>> NumberRanges(Role role) {
  switch (role) {
    case Role::kQuarterback:
    case Role::kKicker:
    case Role::kPunter:
      return {{1, 19}};
    case Role::kHalfback:
    case Role::kFullback:
    case Role::kRunningBack:
    case Role::kCornerback:
    case Role::kStrongSafety:
    case Role::kFreeSafety:
    case Role::kDefensiveBack:
      return {{20, 49}};
    case Role::kCenter:
    case Role::kGuard:
    case Role::kTackle:
      return {{50, 79}};
    case Role::kWideReceiver:
    case Role::kTightEnd:
      return {{80, 89}};
    case Role::kDefensiveEnd:
    case Role::kDefensiveTackle:
    case Role::kNoseTackle:
    case Role::kDefensiveLineman:
      return {{60, 79}, {90, 99}};
    case Role::kLinebacker:
      return {{50, 59}, {90, 99}};
  }
  return {{1, 99}};
}

std::string MakeName(Random& random, std::set<std::string>& taken) {
  for (int attempt = 0;; ++attempt) {
    std::string name(kNameStarts[random.Between(0, kNameStarts.size() - 1)]);
    // Crowded leagues run out of two-part names; a middle syllable makes more.
    if (attempt >= 8) name += kNameMiddles[random.Between(0, kNameMiddles.size() - 1)];
    name += kNameEnds[random.Between(0, kNameEnds.size() - 1)];
    if (taken.insert(name).second) return name;
  }
}

void PutBigEndian16(unsigned char* bytes, int value) {
  const auto word = static_cast<std::uint16_t>(value);
  bytes[0] = static_cast<unsigned char>(word >> 8);
  bytes[1] = static_cast<unsigned char>(word & 0xFF);
}

}  // namespace

int MaxTeams() {
  return static_cast<int>(kTeamNames.size());
}

std::vector<Team> MakeTeams(int count, Random& random) {
  std::vector<int> order(kTeamNames.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    order[i] = static_cast<int>(i);
  for (std::size_t i = order.size() - 1; i > 0; --i)
    std::swap(order[i], order[random.Between(0, static_cast<int>(i))]);

  std::set<std::string> names;
  std::vector<Team> teams(count);
  for (int t = 0; t < count; ++t) {
    Team& team = teams[t];
    team.name = std::string(kTeamNames[order[t]]);
    team.offense = random.Between(-2, 2);
    team.defense = random.Between(-2, 2);
    std::set<int> numbers;
    for (int e = 0; e < kRosterEntries; ++e) {
      Player& player = team.entries[e];
      const Slot& slot = kSlots[e];
      player.role = slot.role;
      player.position = slot.position;
      player.defense = slot.defense;
      player.plays =
          std::find(kPlayingEntries.begin(), kPlayingEntries.end(), e) != kPlayingEntries.end();
      player.name = MakeName(random, names);
      std::vector<int> free;
      for (const auto& [low, high] : NumberRanges(slot.role))
        for (int n = low; n <= high; ++n)
          if (numbers.count(n) == 0) free.push_back(n);
      player.number = free[random.Between(0, static_cast<int>(free.size()) - 1)];
      numbers.insert(player.number);
      player.rating = random.Between(40, 99);
      player.experience = random.Between(0, 14);
    }
    DepthChart& depth = team.depth;
    depth.quarterback = 1;
    depth.kicker = 3;
    depth.punter = 4;
    depth.backs = {5, 6, 7};
    depth.receivers = {13, 14, 15, 16};
    depth.linemen = {8, 9, 10, 11, 12};
    depth.defensiveLine = {17, 18, 19, 20};
    depth.linebackers = {21, 22, 23, 24};
    depth.defensiveBacks = {25, 31, 35, 36, 39, 42};
    // Returners come from the defensive backfield.
    std::array<int, 4> returners = {25, 31, 35, 42};
    for (int i = 3; i > 0; --i)
      std::swap(returners[i], returners[random.Between(0, i)]);
    depth.kickReturners = {returners[0], returners[1]};
    depth.puntReturner = returners[random.Between(0, 2)];
  }
  return teams;
}

std::array<unsigned char, kTeamFileBytes> EncodeTeamFile(const Team& team) {
  std::array<unsigned char, kTeamFileBytes> bytes{};
  for (int e = 0; e < kRosterEntries; ++e) {
    const Player& player = team.entries[e];
    unsigned char* entry = bytes.data() + e * kEntrySize;
    PutBigEndian16(entry + 0, player.rating);
    PutBigEndian16(entry + 2, player.defense ? 1 : 0);
    entry[4] = static_cast<unsigned char>(player.name.size());
    std::copy(player.name.begin(), player.name.end(), entry + 5);
    PutBigEndian16(entry + 36, player.experience);
    PutBigEndian16(entry + 38, player.position);
    PutBigEndian16(entry + 40, player.number);
    // Sixteen bytes of attributes the reader passes over.
    for (int i = 0; i < 16; ++i)
      entry[42 + i] =
          static_cast<unsigned char>((player.rating * (i + 3) + player.number * 7) % 100);
  }
  return bytes;
}

std::string PositionName(const Player& player) {
  static constexpr std::array<std::string_view, 12> kOffense = {"??", "OC", "OG", "OT", "TE", "WR",
                                                                "HB", "FB", "KK", "QB", "OL", "RB"};
  static constexpr std::array<std::string_view, 10> kDefense = {"??", "NT", "DT", "DE", "LB",
                                                                "CB", "SS", "FS", "DL", "DB"};
  if (player.defense) {
    if (player.position >= 0 && player.position < static_cast<int>(kDefense.size()))
      return std::string(kDefense[player.position]);
  } else if (player.position >= 0 && player.position < static_cast<int>(kOffense.size())) {
    return std::string(kOffense[player.position]);
  }
  return "??";
}

}  // namespace yl::sim
