// The fatal alert.
#include "run/alert.h"

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

FatalAlert::FatalAlert(std::string_view text1, std::string_view text2)
    : std::runtime_error(AlertMessage(text1, text2)), text1_(text1), text2_(text2) {}

void ErrorAlert(std::string_view text1, std::string_view text2) {
  throw FatalAlert(text1, text2);
}

}  // namespace yl::run
