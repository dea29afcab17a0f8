// The command line's platform.
#include "cli/cli_platform.h"

#include <csignal>
#include <cstdio>

#include "run/file_layer.h"

namespace yl::cli {

namespace {

constexpr int kBarWidth = 30;

// Written by the signal handler, so a plain flag of the process.
volatile std::sig_atomic_t received = 0;

void NoteSignal(int signal) {
  received = signal;
}

}  // namespace

SignalStop::SignalStop() {
  received = 0;
  for (std::size_t i = 0; i < std::size(kHandled); ++i) {
    ::sigaction(kHandled[i], nullptr, &before_[i]);
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    if (i < kStopSignals) {
      if (before_[i].sa_handler == SIG_IGN) continue;
      // Without SA_RESTART: a blocked call returns, and the run can stop.
      action.sa_handler = NoteSignal;
    } else {
      action.sa_handler = SIG_IGN;
    }
    ::sigaction(kHandled[i], &action, nullptr);
  }
}

SignalStop::~SignalStop() {
  for (std::size_t i = 0; i < std::size(kHandled); ++i)
    ::sigaction(kHandled[i], &before_[i], nullptr);
}

int SignalStop::Received() {
  return received;
}

const volatile std::sig_atomic_t* SignalStop::Flag() {
  return &received;
}

const char* SignalStop::Name(int signal) {
  return signal == SIGINT ? "SIGINT" : signal == SIGTERM ? "SIGTERM" : "SIGHUP";
}

void CliPlatform::YieldHook() {
  if (received != 0 && stopFlag_ != nullptr) *stopFlag_ = true;
}

void CliPlatform::ShowAlert(std::string_view message) {
  if (drawn_) std::fputc('\n', stderr);
  std::fprintf(stderr, "yardledger-cli: %.*s\n", static_cast<int>(message.size()), message.data());
}

std::optional<std::string> CliPlatform::AskSaveFile(std::string_view,
                                                    std::string_view proposedName) {
  if (!errorLogPath_.empty()) return errorLogPath_;
  // Never replace a file of the user's: number the name when it is taken.
  std::string path = reportFolder_ + std::string(proposedName);
  for (int n = 1; run::PathTaken(path); ++n)
    path = reportFolder_ + std::string(proposedName) + "." + std::to_string(n);
  return path;
}

void CliPlatform::StartProgress(std::string_view firstName, int count) {
  total_ = count;
  done_ = 0;
  percent_ = 0;
  name_ = std::string(firstName);
  DrawProgress();
}

void CliPlatform::StepProgress(int addDone, int addPercent, std::string_view name) {
  done_ += addDone;
  percent_ += addPercent;
  if (!(done_ == total_ && percent_ == 100) && percent_ > 100) percent_ -= 100;
  if (!name.empty()) name_ = std::string(name);
  DrawProgress();
}

void CliPlatform::EndProgress() {
  if (drawn_) std::fputc('\n', stderr);
  drawn_ = false;
}

void CliPlatform::DrawProgress() {
  if (!showProgress_ || total_ <= 0) return;
  double fraction = (done_ - 1 + percent_ / 100.0) / total_;
  if (done_ == total_ && percent_ == 100) fraction = 1.0;
  if (fraction < 0) fraction = 0;
  if (fraction > 1) fraction = 1;
  const int filled = static_cast<int>(fraction * kBarWidth);
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  std::fprintf(stderr, "\r\x1b[K%-24.24s %4d remaining [%s]", name_.c_str(), total_ - done_,
               bar.c_str());
  std::fflush(stderr);
  drawn_ = true;
}

}  // namespace yl::cli
