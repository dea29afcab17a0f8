// The Compile Stats progress dialog.
#include "shell/progress_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

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
  // No close box; the window keeps the size its contents give it.
  setWindowTitle(tr("Compile Stats"));
  const QFontMetrics metrics(font());

  auto* nameCaption = new QLabel(tr("Current Transcript:"), this);
  name_ = new QLabel(this);
  // Room for a usual name; a longer one is shortened in the middle.
  name_->setMinimumWidth(metrics.averageCharWidth() * 32);
  name_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* remainingCaption = new QLabel(tr("Transcripts Remaining:"), this);
  remaining_ = new QLabel(this);
  bar_ = new QProgressBar(this);
  bar_->setTextVisible(false);
  stop_ = new QPushButton(tr("Stop"), this);
  stop_->setDefault(true);

  auto* fields = new QFormLayout;
  fields->addRow(nameCaption, name_);
  fields->addRow(remainingCaption, remaining_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(stop_);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addLayout(fields);
  layout->addWidget(bar_);
  layout->addSpacing(metrics.height() / 2);
  layout->addLayout(buttons);
  layout->activate();  // the bar's width is known from now on

  connect(stop_, &QPushButton::clicked, this, &CompileProgressDialog::reject);
}

void CompileProgressDialog::Start(const QString& firstName, int count) {
  state_.Start(count, bar_->contentsRect().width());
  bar_->setRange(0, state_.width);
  bar_->setValue(0);
  ShowName(firstName);
  remaining_->setText(QString::number(count));
}

void CompileProgressDialog::Step(int addDone, int addPercent, const QString& name) {
  bar_->setValue(state_.Step(addDone, addPercent));
  remaining_->setText(QString::number(state_.Remaining()));
  if (!name.isEmpty()) ShowName(name);
}

void CompileProgressDialog::ShowName(const QString& name) {
  fullName_ = name;
  name_->setText(name_->fontMetrics().elidedText(name, Qt::ElideMiddle, name_->width()));
  name_->setToolTip(name);
}

void CompileProgressDialog::reject() {
  if (onStop_) onStop_();
  QDialog::reject();
}

}  // namespace yl::shell
