// The Compile Stats progress dialog: the transcript being read, the number
// still to come, a bar and Stop.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace yl::shell {

// Where the bar stands. The bar's range is its width in pixels; done counts
// the transcripts begun, percent the steps inside them (never reset between
// transcripts, wrapped past 100).
struct ProgressState {
  int total = 0;
  int done = 0;
  int percent = 0;
  int width = 0;

  void Start(int count, int barWidth);
  // Adds the steps and returns the bar's new position.
  int Step(int addDone, int addPercent);
  int Remaining() const { return total - done; }
};

class CompileProgressDialog : public QDialog {
  Q_OBJECT

 public:
  // onStop runs when the user presses Stop or Escape.
  CompileProgressDialog(QWidget* owner, std::function<void()> onStop);

  QLabel* transcriptName() const { return name_; }
  QLabel* remaining() const { return remaining_; }
  QProgressBar* bar() const { return bar_; }
  QPushButton* stopButton() const { return stop_; }

  void Start(const QString& firstName, int count);
  void Step(int addDone, int addPercent, const QString& name);

  const ProgressState& state() const { return state_; }
  // The name of the transcript being read, whole (the label may shorten it).
  const QString& fullName() const { return fullName_; }

  // Stop: the run is told, the dialog hides until the run ends.
  void reject() override;

 private:
  void ShowName(const QString& name);

  std::function<void()> onStop_;
  ProgressState state_;
  QString fullName_;
  QLabel* name_;
  QLabel* remaining_;
  QProgressBar* bar_;
  QPushButton* stop_;
};

}  // namespace yl::shell
