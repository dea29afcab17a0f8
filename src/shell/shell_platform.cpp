// The desktop shell's platform.
#include "shell/shell_platform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>
#include <cstdio>

#include "run/file_layer.h"
#include "shell/dialogs.h"
#include "shell/native_text.h"
#include "shell/program.h"

namespace yl::shell {

namespace {

// The longest wait for the progress dialog to be put on screen.
constexpr int kExposeWaitMs = 1000;

}  // namespace

ShellPlatform::~ShellPlatform() {
  delete progress_;
}

void ShellPlatform::ShowAlert(std::string_view message) {
  dialogs_.ShowWarning(owner_, ProgramTitle(), FromNative(message));
}

std::optional<std::string> ShellPlatform::AskSaveFile(std::string_view title,
                                                      std::string_view proposedName) {
  // The run's only question is the error log's.
  if (logNote_) dialogs_.ShowInformation(owner_, ProgramTitle(), logNote_());
  const QString path =
      dialogs_.AskSaveFile(owner_, FromNative(title), FromNative(proposedName), true, saveFolder_);
  if (path.isEmpty()) return std::nullopt;
  return ToNative(path);
}

void ShellPlatform::StartProgress(std::string_view firstName, int count) {
  delete progress_;
  progress_ = new CompileProgressDialog(owner_, [this] { RequestStop(); });
  progress_->Start(FromNative(firstName), count);
  progress_->show();
  // A window manager puts a new window on screen a little after show():
  // wait for it (briefly), then paint it at once, so that Stop is there
  // before the first transcript is read.
  QElapsedTimer waited;
  waited.start();
  while (progress_ != nullptr && progress_->windowHandle() != nullptr &&
         !progress_->windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
  if (progress_ != nullptr) progress_->repaint();
  QCoreApplication::processEvents();
}

void ShellPlatform::StepProgress(int addDone, int addPercent, std::string_view name) {
  if (progress_ == nullptr) return;
  progress_->Step(addDone, addPercent, FromNative(name));
  QCoreApplication::processEvents();
}

void ShellPlatform::EndProgress() {
  delete progress_;
}

void ShellPlatform::YieldHook() {
  QCoreApplication::processEvents();
}

}  // namespace yl::shell
