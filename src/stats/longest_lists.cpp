// The longest-play lists.
#include "stats/longest_lists.h"

#include <new>
#include <string_view>

#include "run/alert.h"
#include "run/compile_run.h"

namespace yl::stats {

namespace {

void EnterLongest(run::CompileRun& run, std::optional<LongestList>& list,
                  league::PlayerRecord* player, std::int16_t yards, std::string_view message) {
  if (!list) {
    try {
      LongestList created;
      created.entries.resize(static_cast<std::size_t>(LongestCapacity(run.options.leadersCount)));
      list = std::move(created);
    } catch (const std::bad_alloc&) {
      run::ErrorAlert(message,
                      "pTo fix allocate more memory to Yardledger in GetInfo in the Finder.");
    }
  }
  if (player == nullptr) return;
  std::vector<LongestRecord>& entries = list->entries;
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

void EnterLongestRush(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestRushes, player, yards,
               "pEnterLongestRush Error: Couldn't allocate LongestRecord");
}

void EnterLongestPass(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestPasses, player, yards,
               "pEnterLongestPass Error: Couldn't allocate LongestRecord");
}

void EnterLongestReception(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestReceptions, player, yards,
               "pEnterLongestReception Error: Couldn't allocate LongestRecord");
}

void EnterLongestFG(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestFGs, player, yards,
               "pEnterLongestFG Error: Couldn't allocate LongestRecord");
}

void EnterLongestPuntRet(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestPuntReturns, player, yards,
               "pEnterLongestPuntRet Error: Couldn't allocate LongestRecord");
}

void EnterLongestKickRet(run::CompileRun& run, league::PlayerRecord* player, std::int16_t yards) {
  EnterLongest(run, run.stats.longest.longestKickReturns, player, yards,
               "pEnterLongestKickRet Error: Couldn't allocate LongestRecord");
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
