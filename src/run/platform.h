// The small interface through which the engine reaches the user: the fatal
// alert's message, the save-file question, progress and the yield between
// plays. Each front end implements it; tests use a fake that records the
// calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace yl::run {

class Platform {
 public:
  virtual ~Platform() = default;

  // Shows the message of a fatal alert. The front end calls it when it has
  // caught the alert.
  virtual void ShowAlert(std::string_view message) = 0;

  // The save-file question: the path the user chose, or none when he
  // cancelled. The dialog itself confirms a replacement.
  virtual std::optional<std::string> AskSaveFile(std::string_view title,
                                                 std::string_view proposedName) = 0;

  virtual void StartProgress(std::string_view firstName, int count) = 0;
  virtual void StepProgress(int addDone, int addPercent, std::string_view name) = 0;
  virtual void EndProgress() = 0;

  // Called between plays before stopRequested is tested; a front end may
  // handle pending user-interface events here.
  virtual void YieldHook() = 0;
};

}  // namespace yl::run
