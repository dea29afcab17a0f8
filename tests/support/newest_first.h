// The league's players or teams newest first, as pointers, for tests that
// walk the list the way the reports take it.
#pragma once

#include <deque>
#include <vector>

namespace yl::test {

template <typename Record>
std::vector<Record*> NewestFirst(std::deque<Record>& records) {
  std::vector<Record*> list;
  for (auto it = records.rbegin(); it != records.rend(); ++it)
    list.push_back(&*it);
  return list;
}

template <typename Record>
std::vector<const Record*> NewestFirst(const std::deque<Record>& records) {
  std::vector<const Record*> list;
  for (auto it = records.rbegin(); it != records.rend(); ++it)
    list.push_back(&*it);
  return list;
}

}  // namespace yl::test
