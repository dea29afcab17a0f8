// The sort every player and team order is made with: a quicksort whose
// order among equal elements the tables have always shown, so that no other
// sort may stand in for it. It is made cheaper here only where the result is
// certain to be the same.
#pragma once

#include <utility>
#include <vector>

namespace yl::stats {

// Insertion sort of a[lo..hi]: each element moves left past every element
// that sorts after it.
template <typename T, typename After>
void InsertionSort(std::vector<T>& a, int lo, int hi, const After& after) {
  for (int k = lo + 1; k <= hi; ++k) {
    const T moving = a[k];
    int m = k;
    while (m > lo && after(a[m - 1], moving)) {
      a[m] = a[m - 1];
      --m;
    }
    a[m] = moving;
  }
}

// What QuickSort does to a[lo..hi] when no element sorts after another: the
// same moves, without a comparison. (The insertion sort then moves nothing.)
template <typename T>
void SortEqual(std::vector<T>& a, int lo, int hi) {
  while (lo + 10 <= hi) {
    const int mid = (lo + hi) / 2;
    std::swap(a[mid], a[hi - 1]);
    // Both scans stop at once at every step: the pairs they swap reverse
    // a[lo + 1 .. hi - 2], and i stops where the two meet.
    const int i = lo + 1 + (hi - lo - 2) / 2;
    for (int left = lo + 1, right = hi - 2; left < right; ++left, --right)
      std::swap(a[left], a[right]);
    std::swap(a[i], a[hi - 1]);
    SortEqual(a, lo, i - 1);
    lo = i + 1;
  }
}

// Quicksort of a[lo..hi] with the median of three as pivot; ranges of fewer
// than 11 elements are left to the insertion sort. `allEqual(lo, hi)` may
// say that no element of a range sorts after another (it need not find
// every such range): the range then takes SortEqual's moves. Most players
// lack most records and tie, so this spares most comparisons.
template <typename T, typename After, typename AllEqual>
void QuickSort(std::vector<T>& a, int lo, int hi, const After& after, const AllEqual& allEqual) {
  while (lo + 10 <= hi) {
    if (allEqual(lo, hi)) {
      SortEqual(a, lo, hi);
      return;
    }
    const int mid = (lo + hi) / 2;
    if (after(a[lo], a[mid])) std::swap(a[lo], a[mid]);
    if (after(a[lo], a[hi])) std::swap(a[lo], a[hi]);
    if (after(a[mid], a[hi])) std::swap(a[mid], a[hi]);
    std::swap(a[mid], a[hi - 1]);
    const T pivot = a[hi - 1];
    int i = lo;
    int j = hi - 1;
    for (;;) {
      // The pivot never sorts after itself, so i stops at hi - 1 at the
      // latest. The scan of j stops at lo: the scoring key's comparison is
      // not transitive, so a[lo] is not certain to stop it.
      do {
        ++i;
      } while (after(pivot, a[i]));
      do {
        --j;
      } while (j > lo && after(a[j], pivot));
      if (i >= j) break;
      std::swap(a[i], a[j]);
    }
    std::swap(a[i], a[hi - 1]);
    QuickSort(a, lo, i - 1, after, allEqual);
    lo = i + 1;
  }
  InsertionSort(a, lo, hi, after);
}

template <typename T, typename After>
void QuickSort(std::vector<T>& a, int lo, int hi, const After& after) {
  QuickSort(a, lo, hi, after, [](int, int) { return false; });
}

}  // namespace yl::stats
