// A platform that records every call, for tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "run/platform.h"

namespace yl::test {

class FakePlatform : public run::Platform {
 public:
  void ShowAlert(std::string_view message) override { alerts.emplace_back(message); }
  std::optional<std::string> AskSaveFile(std::string_view title,
                                         std::string_view proposedName) override;
  void StartProgress(std::string_view firstName, int count) override;
  void StepProgress(int addDone, int addPercent, std::string_view name) override;
  void EndProgress() override { calls.push_back("EndProgress"); }
  void YieldHook() override;

  // The file the save question answers with; empty: the user cancels.
  std::string saveAnswer;
  int saveQuestions = 0;
  std::string lastSaveTitle;
  std::string lastSaveProposal;

  // Runs at every YieldHook (for instance to press Stop).
  std::function<void()> onYield;
  int yields = 0;

  std::vector<std::string> alerts;
  std::vector<std::string> calls;  // progress calls, in order, as text
  std::string progressName;        // the name the progress display shows now
};

}  // namespace yl::test
