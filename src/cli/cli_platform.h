// The command line's side of the platform interface: the alert and the
// progress bar on standard error, the error log's file chosen without asking.
#pragma once

#include <csignal>
#include <iterator>

#include <optional>
#include <string>

#include "run/platform.h"

namespace yl::cli {

// SIGINT, SIGTERM and SIGHUP stop a run as Stop does: while a SignalStop
// lives, a signal is only noted, and the platform's yield between plays turns
// it into the run's stop request. A signal also breaks off a read or a write
// that is blocked (on a pipe, a FIFO), which then fails and ends the run.
// A stop signal ignored at start (a background job's SIGINT) stays ignored;
// SIGPIPE and SIGXFSZ are ignored, so that a closed pipe or an over-large
// file is the failure of a write, with its reason.
class SignalStop {
 public:
  SignalStop();
  ~SignalStop();
  SignalStop(const SignalStop&) = delete;
  SignalStop& operator=(const SignalStop&) = delete;

  // The signal received, 0 for none.
  static int Received();
  // The flag the file layer reads when a call is interrupted.
  static const volatile std::sig_atomic_t* Flag();
  // "SIGINT", "SIGTERM" or "SIGHUP".
  static const char* Name(int signal);

 private:
  // The signals a run handles: the stop signals first, then the ignored ones.
  static constexpr int kHandled[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ};
  static constexpr std::size_t kStopSignals = 3;
  struct sigaction before_[std::size(kHandled)] = {};  // the dispositions found at start
};

class CliPlatform : public run::Platform {
 public:
  // errorLogPath: the --error-log file, or "" for ErrorLog (numbered when
  // taken) in reportFolder. showProgress: draw the bar on standard error.
  CliPlatform(std::string errorLogPath, std::string reportFolder, bool showProgress)
      : errorLogPath_(std::move(errorLogPath)),
        reportFolder_(std::move(reportFolder)),
        showProgress_(showProgress) {}

  void ShowAlert(std::string_view message) override;
  std::optional<std::string> AskSaveFile(std::string_view title,
                                         std::string_view proposedName) override;
  void StartProgress(std::string_view firstName, int count) override;
  void StepProgress(int addDone, int addPercent, std::string_view name) override;
  void EndProgress() override;
  // A signal received turns into the run's stop request here.
  void YieldHook() override;

  // The stop flag of the run under way (nullptr between runs).
  void SetStopFlag(bool* stopFlag) { stopFlag_ = stopFlag; }

 private:
  void DrawProgress();

  bool* stopFlag_ = nullptr;
  std::string errorLogPath_;
  std::string reportFolder_;
  bool showProgress_;
  int total_ = 0;
  int done_ = 0;
  int percent_ = 0;
  std::string name_;
  bool drawn_ = false;
};

}  // namespace yl::cli
