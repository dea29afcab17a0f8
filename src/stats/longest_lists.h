// The six run-wide lists of the longest single plays (rushes, passes,
// receptions, made field goals, punt returns, kick-off returns), each
// ordered from the longest play down with its free entries at the end.
// A list is created by its first entry; its capacity is leadersCount when
// that lies within 0..50, and 50 otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace yl::league {
struct PlayerRecord;
}

namespace yl::stats {

constexpr std::int32_t kMaxLongestEntries = 50;

struct LongestRecord {
  std::int16_t yards = 0;
  league::PlayerRecord* player = nullptr;  // empty: a free entry
};

struct LongestList {
  std::vector<LongestRecord> entries;  // as many as the capacity
};

struct LongestLists {
  std::optional<LongestList> longestRushes;
  std::optional<LongestList> longestPasses;
  std::optional<LongestList> longestReceptions;
  std::optional<LongestList> longestFGs;
  std::optional<LongestList> longestPuntReturns;
  std::optional<LongestList> longestKickReturns;
};

std::int32_t LongestCapacity(std::int32_t leadersCount);

// Enters one play, creating the list at its first entry with the capacity
// leadersCount gives. Among equal yardages the earlier play stays higher; a
// play too short for a full list is dropped. An empty player is not entered.
void EnterLongestRush(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                      std::int16_t yards);
void EnterLongestPass(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                      std::int16_t yards);
void EnterLongestReception(LongestLists& lists, std::int32_t leadersCount,
                           league::PlayerRecord* player, std::int16_t yards);
void EnterLongestFG(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                    std::int16_t yards);
void EnterLongestPuntRet(LongestLists& lists, std::int32_t leadersCount,
                         league::PlayerRecord* player, std::int16_t yards);
void EnterLongestKickRet(LongestLists& lists, std::int32_t leadersCount,
                         league::PlayerRecord* player, std::int16_t yards);

// Frees a list; the next entry creates it again.
void DisposeLongestList(std::optional<LongestList>& list);
void DisposeLongestLists(LongestLists& lists);

}  // namespace yl::stats
