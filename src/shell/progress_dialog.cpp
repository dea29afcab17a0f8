// The Compile Stats progress dialog.
#include "shell/progress_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "shell/dialog_layout.h"

namespace yl::shell {

void ProgressState::Start(int count, int barWidth) {
  total = count;
  done = 0;
  percent = 0;
  width = barWidth;
}

int ProgressState::Step(int addDone, int addPercent) {
  done += addDone;
  percent += addPercent;
  if (done == total && percent == 100) return width;
  if (percent > 100) percent -= 100;
  if (total <= 0) return 0;
  // In this order, so that the whole part falls as the bar's formula gives it.
  const double position =
      ((done - 1) * 4 + percent * 0.04) * (static_cast<double>(width) / total) * 0.25;
  return std::clamp(static_cast<int>(std::floor(position)), 0, width);
}

CompileProgressDialog::CompileProgressDialog(QWidget* owner, std::function<void()> onStop)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      onStop_(std::move(onStop)) {
  // Dialog 138: 177 × 79 dialog units, no close box.
  const DialogUnits units(font());
  setWindowTitle(QStringLiteral("Compile Stats"));
  setFixedSize(units.X(177), units.Y(79));

  auto* nameCaption = new QLabel(QStringLiteral("Current Transcript:"), this);
  PlaceAt(nameCaption, units, 5, 5);
  name_ = new QLabel(this);
  SetControlId(name_, kTranscriptName);
  PlaceBeside(name_, nameCaption, units, 68, 5, 102, 8);
  auto* remainingCaption = new QLabel(QStringLiteral("Transcripts Remaining:"), this);
  PlaceAt(remainingCaption, units, 5, 20);
  remaining_ = new QLabel(this);
  SetControlId(remaining_, kRemaining);
  PlaceBeside(remaining_, remainingCaption, units, 80, 20, 25, 8);
  bar_ = new QProgressBar(this);
  SetControlId(bar_, kProgressBar);
  bar_->setTextVisible(false);
  Place(bar_, units, 5, 35, 165, 10);
  stop_ = new QPushButton(QStringLiteral("Stop"), this);
  SetControlId(stop_, kStop);
  stop_->setDefault(true);
  Place(stop_, units, 120, 58, 50, 14);
  connect(stop_, &QPushButton::clicked, this, &CompileProgressDialog::reject);
}

void CompileProgressDialog::Start(const QString& firstName, int count) {
  state_.Start(count, bar_->contentsRect().width());
  bar_->setRange(0, state_.width);
  bar_->setValue(0);
  name_->setText(firstName);
  remaining_->setText(QString::number(count));
}

void CompileProgressDialog::Step(int addDone, int addPercent, const QString& name) {
  bar_->setValue(state_.Step(addDone, addPercent));
  remaining_->setText(QString::number(state_.Remaining()));
  if (!name.isEmpty()) name_->setText(name);
}

void CompileProgressDialog::reject() {
  if (onStop_) onStop_();
  QDialog::reject();
}

}  // namespace yl::shell
