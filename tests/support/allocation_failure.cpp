// The replaced global operator new and delete of the test binary.
#include "support/allocation_failure.h"

#include <cstdlib>
#include <new>

namespace yl::test {
namespace {
bool failNext = false;
long passingLeft = 0;  // allocations that still succeed before failNext takes effect
}  // namespace

void FailNextAllocation() {
  FailAllocationAfter(0);
}

void FailAllocationAfter(long passing) {
  passingLeft = passing;
  failNext = true;
}

bool AllocationFailurePending() {
  return failNext;
}

void CancelAllocationFailure() {
  failNext = false;
}

}  // namespace yl::test

void* operator new(std::size_t size) {
  if (yl::test::failNext) {
    if (yl::test::passingLeft > 0) {
      --yl::test::passingLeft;
    } else {
      yl::test::failNext = false;
      throw std::bad_alloc();
    }
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

// The library's own nothrow requests (std::stable_sort's buffer, for one) come
// here too, so that every block is taken and given back by the same pair.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
