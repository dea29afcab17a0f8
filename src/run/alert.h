// The fatal alert: one path for every condition that ends a run. ErrorAlert
// throws a FatalAlert; each front end catches it once, shows its message,
// cleans up the run and exits with status 1.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace yl::run {

// Texts carry one hidden leading character ("pTeam File FSRead() Error").
std::string AlertMessage(std::string_view text1, std::string_view text2);

// The two texts of a fatal alert as raised, and for a failed file operation
// the file's path and the system's reason; what() is the message shown.
class FatalAlert : public std::runtime_error {
 public:
  FatalAlert(std::string_view text1, std::string_view text2, std::string_view detail);

  const std::string& text1() const { return text1_; }
  const std::string& text2() const { return text2_; }
  const std::string& detail() const { return detail_; }
  // text1 and, when given, two blanks and text2, each without its first
  // character; then two blanks and the detail when there is one.
  std::string Message() const { return what(); }

 private:
  std::string text1_;
  std::string text2_;
  std::string detail_;
};

[[noreturn]] void ErrorAlert(std::string_view text1, std::string_view text2 = {},
                             std::string_view detail = {});

// The alert of a file operation that failed: its texts, then "path: reason".
[[noreturn]] void FileAlert(std::string_view text1, std::string_view text2, std::string_view path,
                            std::error_code error);

}  // namespace yl::run
