// The desktop shell's side of the engine's platform interface: the fatal
// alert as a warning box, the error log's save dialog, the progress dialog,
// and pending events handled between plays so that Stop is seen.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "run/platform.h"
#include "shell/progress_dialog.h"

class QWidget;

namespace yl::shell {

class Dialogs;

class ShellPlatform : public run::Platform {
 public:
  explicit ShellPlatform(Dialogs& dialogs) : dialogs_(dialogs) {}
  ~ShellPlatform() override;
  ShellPlatform(const ShellPlatform&) = delete;
  ShellPlatform& operator=(const ShellPlatform&) = delete;

  // The window that owns the dialogs.
  void SetOwner(QWidget* owner) { owner_ = owner; }
  // The stop flag of the run under way (nullptr between runs); Stop sets it.
  void SetStopFlag(bool* stopFlag) { stopFlag_ = stopFlag; }
  // Stops the run under way, as Stop does.
  void RequestStop() {
    if (stopFlag_ != nullptr) *stopFlag_ = true;
  }
  // The folder the run's save dialogs open in: the reports' folder.
  void SetSaveFolder(const QString& folder) { saveFolder_ = folder; }
  // The sentence shown before the error log's file is asked for (none: no
  // word before the question).
  void SetLogQuestionNote(std::function<QString()> note) { logNote_ = std::move(note); }
  // The progress dialog while a run lasts, else nullptr.
  CompileProgressDialog* progressDialog() const { return progress_; }

  void ShowAlert(std::string_view message) override;
  std::optional<std::string> AskSaveFile(std::string_view title,
                                         std::string_view proposedName) override;
  void StartProgress(std::string_view firstName, int count) override;
  void StepProgress(int addDone, int addPercent, std::string_view name) override;
  void EndProgress() override;
  void YieldHook() override;

 private:
  Dialogs& dialogs_;
  QPointer<QWidget> owner_;
  bool* stopFlag_ = nullptr;
  QString saveFolder_;
  std::function<QString()> logNote_;
  QPointer<CompileProgressDialog> progress_;
};

}  // namespace yl::shell
