// What every fuzz target shares: a platform that answers without a user, and
// a scratch folder for the files a compile run reads and writes, emptied
// after each input. No input the fuzzer writes can make a file operation
// fail, so a fatal alert is a fault: the targets let it escape, which aborts,
// and libFuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "run/platform.h"

namespace yl::fuzz {

class FuzzPlatform : public run::Platform {
 public:
  void ShowAlert(std::string_view) override {}
  // The error log goes to ErrorLog in the scratch folder.
  std::optional<std::string> AskSaveFile(std::string_view title,
                                         std::string_view proposedName) override;
  void StartProgress(std::string_view, int) override {}
  void StepProgress(int, int, std::string_view) override {}
  void EndProgress() override {}
  void YieldHook() override {}
};

// The scratch folder of this process, made at the first call and removed at
// exit.
const std::string& ScratchFolder();

// Writes the bytes to the named file of the scratch folder; returns its path.
std::string WriteScratchFile(std::string_view name, const std::uint8_t* data, std::size_t size);

// Removes every file of the scratch folder, so that inputs stay independent.
void ClearScratchFolder();

}  // namespace yl::fuzz
