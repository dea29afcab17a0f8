// The fatal alert: one path for every condition that ends a run. ErrorAlert
// throws a FatalAlert; each front end catches it once, shows its message,
// cleans up the run and exits with status 1.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace yl::run {

// Texts carry one hidden leading character ("pTeam File FSRead() Error").
std::string AlertMessage(std::string_view text1, std::string_view text2);

// The two texts of a fatal alert as raised; what() is the message shown.
class FatalAlert : public std::runtime_error {
 public:
  FatalAlert(std::string_view text1, std::string_view text2);

  const std::string& text1() const { return text1_; }
  const std::string& text2() const { return text2_; }
  // text1 and, when given, two blanks and text2, each without its first
  // character.
  std::string Message() const { return what(); }

 private:
  std::string text1_;
  std::string text2_;
};

[[noreturn]] void ErrorAlert(std::string_view text1, std::string_view text2 = {});

}  // namespace yl::run
