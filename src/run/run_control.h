// What a run and its user share while it lasts: the platform the engine
// reports through, and the stop flag the front end's Stop sets.
#pragma once

#include "run/platform.h"

namespace yl::run {

struct RunControl {
  explicit RunControl(Platform& frontEnd) : platform(frontEnd) {}

  Platform& platform;
  bool stopRequested = false;
};

// The test of the stop flag in a walk over plays: before the first play and
// then before every ninth, after the front end has handled its events.
class StopCountdown {
 public:
  bool Stopped(RunControl& control) {
    if (countdown_ != 0) {
      --countdown_;
      return false;
    }
    control.platform.YieldHook();
    countdown_ = 8;
    return control.stopRequested;
  }

 private:
  int countdown_ = 0;
};

}  // namespace yl::run
