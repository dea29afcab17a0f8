// The shortcut for ranges of equal elements leaves every element where the
// full quicksort leaves it.
#include "stats/quick_sort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace yl::stats {
namespace {

TEST(QuickSort, EqualRangesShortcutMovesNothingElsewhere) {
  // Each element: its key above, where it started below; only keys compare.
  const auto after = [](std::uint64_t a, std::uint64_t b) { return a >> 32 > b >> 32; };
  struct Case {
    int size;
    int keys;         // distinct keys drawn from
    int tiedPercent;  // of the elements given the last key, as most players lack a record
  };
  const Case cases[] = {{11, 1, 0},    {12, 1, 0},     {13, 2, 0},   {21, 3, 50},     {64, 5, 90},
                        {257, 40, 97}, {1900, 64, 97}, {1900, 3, 0}, {1000, 1000, 0}, {30, 2, 99}};
  std::mt19937 random(7);
  for (const Case& c : cases) {
    for (int round = 0; round < 20; ++round) {
      std::vector<std::uint64_t> plain(static_cast<std::size_t>(c.size));
      for (int i = 0; i < c.size; ++i) {
        const bool tied = static_cast<int>(random() % 100) < c.tiedPercent;
        const std::uint64_t key = tied ? 1000000 : random() % static_cast<unsigned>(c.keys);
        plain[static_cast<std::size_t>(i)] = key << 32 | static_cast<std::uint64_t>(i);
      }
      std::vector<std::uint64_t> shortcut = plain;
      QuickSort(plain, 0, c.size - 1, after);
      QuickSort(shortcut, 0, c.size - 1, after, [&shortcut](int lo, int hi) {
        for (int k = lo + 1; k <= hi; ++k) {
          if (shortcut[static_cast<std::size_t>(k)] >> 32 !=
              shortcut[static_cast<std::size_t>(lo)] >> 32)
            return false;
        }
        return true;
      });
      ASSERT_EQ(shortcut, plain) << c.size << " elements, " << c.keys << " keys, round " << round;
    }
  }
}

}  // namespace
}  // namespace yl::stats
