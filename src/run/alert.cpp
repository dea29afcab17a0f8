// The fatal alert.
#include "run/alert.h"

#include "run/file_layer.h"

namespace yl::run {

namespace {

std::string_view Shown(std::string_view text) {
  return text.empty() ? text : text.substr(1);
}

std::string FullMessage(std::string_view text1, std::string_view text2, std::string_view detail) {
  std::string message = AlertMessage(text1, text2);
  if (!detail.empty()) {
    message += "  ";
    message += detail;
  }
  return message;
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

FatalAlert::FatalAlert(std::string_view text1, std::string_view text2, std::string_view detail)
    : std::runtime_error(FullMessage(text1, text2, detail)),
      text1_(text1),
      text2_(text2),
      detail_(detail) {}

void ErrorAlert(std::string_view text1, std::string_view text2, std::string_view detail) {
  throw FatalAlert(text1, text2, detail);
}

void FileAlert(std::string_view text1, std::string_view text2, std::string_view path,
               std::error_code error) {
  ErrorAlert(text1, text2, SystemReason(path, error));
}

}  // namespace yl::run
