// The longest-play lists.
#include "stats/longest_lists.h"

#include "run/errors.h"

namespace yl::stats {

namespace {

void EnterLongest(std::optional<LongestList>& list, std::int32_t leadersCount,
                  league::PlayerRecord* player, std::int16_t yards, run::ErrorKind noMemory) {
  if (!list) {
    run::Allocating(noMemory, [&] {
      LongestList created;
      created.entries.resize(static_cast<std::size_t>(LongestCapacity(leadersCount)));
      list = std::move(created);
    });
  }
  if (player == nullptr) return;
  std::vector<LongestRecord>& entries = list->entries;
  // The list fills from the top and stays longest first: when it is full and
  // its last play is as long, the play finds no place (most plays do not).
  if (entries.empty() || (entries.back().player != nullptr && entries.back().yards >= yards))
    return;
  std::size_t position = 0;
  while (position < entries.size() && entries[position].player != nullptr &&
         entries[position].yards >= yards) {
    ++position;
  }
  if (position == entries.size()) return;
  // Everything from the position moves one place down; the last entry
  // (free, or the shortest play) falls off the end.
  for (std::size_t k = entries.size() - 1; k > position; --k)
    entries[k] = entries[k - 1];
  entries[position] = LongestRecord{yards, player};
}

}  // namespace

std::int32_t LongestCapacity(std::int32_t leadersCount) {
  return (leadersCount >= 0 && leadersCount <= kMaxLongestEntries) ? leadersCount
                                                                   : kMaxLongestEntries;
}

void EnterLongestRush(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                      std::int16_t yards) {
  EnterLongest(lists.longestRushes, leadersCount, player, yards,
               run::ErrorKind::kLongestRushMemory);
}

void EnterLongestPass(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                      std::int16_t yards) {
  EnterLongest(lists.longestPasses, leadersCount, player, yards,
               run::ErrorKind::kLongestPassMemory);
}

void EnterLongestReception(LongestLists& lists, std::int32_t leadersCount,
                           league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(lists.longestReceptions, leadersCount, player, yards,
               run::ErrorKind::kLongestReceptionMemory);
}

void EnterLongestFG(LongestLists& lists, std::int32_t leadersCount, league::PlayerRecord* player,
                    std::int16_t yards) {
  EnterLongest(lists.longestFGs, leadersCount, player, yards,
               run::ErrorKind::kLongestFieldGoalMemory);
}

void EnterLongestPuntRet(LongestLists& lists, std::int32_t leadersCount,
                         league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(lists.longestPuntReturns, leadersCount, player, yards,
               run::ErrorKind::kLongestPuntReturnMemory);
}

void EnterLongestKickRet(LongestLists& lists, std::int32_t leadersCount,
                         league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(lists.longestKickReturns, leadersCount, player, yards,
               run::ErrorKind::kLongestKickReturnMemory);
}

void DisposeLongestList(std::optional<LongestList>& list) {
  list.reset();
}

void DisposeLongestLists(LongestLists& lists) {
  DisposeLongestList(lists.longestRushes);
  DisposeLongestList(lists.longestPasses);
  DisposeLongestList(lists.longestReceptions);
  DisposeLongestList(lists.longestFGs);
  DisposeLongestList(lists.longestPuntReturns);
  DisposeLongestList(lists.longestKickReturns);
}

}  // namespace yl::stats
