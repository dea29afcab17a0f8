// The fatal alert.
#include "run/alert.h"

#include <cstdlib>
#include <string>

namespace yl::run {

namespace {
std::string_view Shown(std::string_view text) {
  return text.empty() ? text : text.substr(1);
}
}  // namespace

std::string AlertMessage(std::string_view text1, std::string_view text2) {
  std::string message(Shown(text1));
  if (!text2.empty()) {
    message += "  ";
    message += Shown(text2);
  }
  return message;
}

void ErrorAlert(Platform& platform, std::string_view text1, std::string_view text2) {
  platform.ShowAlert(AlertMessage(text1, text2));
  // A fatal condition is a failure: the process must not report success.
  platform.Terminate(1);
  std::abort();  // a front end's Terminate never returns
}

}  // namespace yl::run
