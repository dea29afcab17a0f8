// The recording platform of the tests.
#include "support/fake_platform.h"

namespace yl::test {

std::optional<std::string> FakePlatform::AskSaveFile(std::string_view title,
                                                     std::string_view proposedName) {
  ++saveQuestions;
  lastSaveTitle = std::string(title);
  lastSaveProposal = std::string(proposedName);
  if (saveAnswer.empty()) return std::nullopt;
  return saveAnswer;
}

void FakePlatform::StartProgress(std::string_view firstName, int count) {
  calls.push_back("StartProgress " + std::string(firstName) + " " + std::to_string(count));
}

void FakePlatform::StepProgress(int addDone, int addPercent, std::string_view name) {
  calls.push_back("StepProgress " + std::to_string(addDone) + " " + std::to_string(addPercent) +
                  " " + std::string(name));
  if (!name.empty()) progressName = std::string(name);
}

void FakePlatform::YieldHook() {
  ++yields;
  if (onYield) onYield();
}

}  // namespace yl::test
