// The message of the fatal alert a call raises, for the tests of the paths
// that end a run.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "run/errors.h"

namespace yl::test {

// The alert's message (both texts joined as shown); nothing when the call
// raises none.
template <typename Call>
std::optional<std::string> FatalMessage(Call&& call) {
  try {
    std::forward<Call>(call)();
  } catch (const run::FatalAlert& alert) {
    return alert.Message();
  }
  return std::nullopt;
}

}  // namespace yl::test
