// Makes one allocation fail on purpose, so that tests can follow the
// out-of-memory path of a routine. The test binary replaces the global
// operator new; it passes every request to malloc until armed.
#pragma once

namespace yl::test {

// The next call of operator new throws std::bad_alloc; later calls succeed.
void FailNextAllocation();
// The call of operator new after `passing` more succeed throws instead.
void FailAllocationAfter(long passing);

// True while the armed failure has not happened yet.
bool AllocationFailurePending();

// Disarms a failure that did not happen.
void CancelAllocationFailure();

}  // namespace yl::test
