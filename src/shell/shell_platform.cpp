// The desktop shell's platform.
#include "shell/shell_platform.h"

#include <QCoreApplication>
#include <cstdio>

#include "run/file_layer.h"
#include "shell/dialogs.h"
#include "shell/native_text.h"
#include "shell/program.h"

namespace yl::shell {

ShellPlatform::~ShellPlatform() {
  delete progress_;
}

void ShellPlatform::ShowAlert(std::string_view message) {
  dialogs_.ShowWarning(owner_, ProgramTitle(), FromNative(message));
}

bool ShellPlatform::AskSaveFile(std::string_view title, std::string_view proposedName,
                                run::SaveFileReply& reply) {
  const QString path =
      dialogs_.AskSaveFile(owner_, FromNative(title), FromNative(proposedName), true);
  if (path.isEmpty()) return false;
  const std::string native = ToNative(path);
  reply.spec = run::FSSpec{native, run::NameOf(native)};
  return true;
}

void ShellPlatform::StartProgress(std::string_view firstName, int count) {
  delete progress_;
  progress_ = new CompileProgressDialog(owner_, [this] {
    if (stopFlag_ != nullptr) *stopFlag_ = true;
  });
  progress_->Start(FromNative(firstName), count);
  progress_->show();
  QCoreApplication::processEvents();  // drawn at once, before the first transcript
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
