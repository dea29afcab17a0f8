// The round-robin schedule (circle method).
#include "schedule.h"

namespace yl::sim {

namespace {

// The games of one week; round counts weeks from 0.
void AddWeek(int teams, int round, std::vector<ScheduledGame>& games) {
  const int slots = teams % 2 == 0 ? teams : teams + 1;  // the extra slot is the bye
  const int rounds = slots - 1;
  const int cycle = round / rounds;
  const int r = round % rounds;
  // Slot 0 stays; the others turn one place a week.
  const auto teamAt = [&](int slot) { return slot == 0 ? 0 : 1 + (slot - 1 + r) % rounds; };
  for (int i = 0; i < slots / 2; ++i) {
    int a = teamAt(i);
    int b = teamAt(slots - 1 - i);
    if (a >= teams || b >= teams) continue;  // a bye
    if ((i + r) % 2 == 1) std::swap(a, b);
    if (cycle % 2 == 1) std::swap(a, b);
    games.push_back({round + 1, a, b});
  }
}

}  // namespace

std::vector<ScheduledGame> MakeWeeks(int teams, int weeks) {
  std::vector<ScheduledGame> games;
  if (teams < 2) return games;
  for (int w = 0; w < weeks; ++w)
    AddWeek(teams, w, games);
  return games;
}

std::vector<ScheduledGame> MakeGames(int teams, int count) {
  std::vector<ScheduledGame> games;
  if (teams < 2) return games;
  for (int w = 0; static_cast<int>(games.size()) < count; ++w)
    AddWeek(teams, w, games);
  games.resize(count);
  return games;
}

}  // namespace yl::sim
