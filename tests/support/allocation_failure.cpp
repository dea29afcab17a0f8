// The replaced global operator new and delete of the test binary.
#include "support/allocation_failure.h"

#include <cstdlib>
#include <new>

namespace yl::test {
namespace {
bool failNext = false;
}  // namespace

void FailNextAllocation() {
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
    yl::test::failNext = false;
    throw std::bad_alloc();
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
