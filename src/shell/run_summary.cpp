// The run summary.
#include "shell/run_summary.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/dialogs.h"
#include "shell/program.h"
#include "shell/report_viewer.h"

namespace yl::shell {

QString DescribeOutcome(const RunOutcome& outcome) {
  // The same words as the command line's summary.
  const QString games = outcome.gamesCompiled == 1
                            ? RunSummary::tr("1 game compiled")
                            : RunSummary::tr("%1 games compiled").arg(outcome.gamesCompiled);
  const QString lines = outcome.logEntries == 1
                            ? RunSummary::tr("1 line not understood")
                            : RunSummary::tr("%1 lines not understood").arg(outcome.logEntries);
  return RunSummary::tr("%1, %2 rejected, %3").arg(games).arg(outcome.gamesRejected).arg(lines);
}

RunSummary::RunSummary(const RunOutcome& outcome, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Run Summary"));

  heading_ = new QLabel(DescribeOutcome(outcome), this);
  auto* filesLabel = new QLabel(tr("Files written:"), this);
  files_ = new QListWidget(this);
  filesLabel->setBuddy(files_);
  for (const QString& path : outcome.reportFiles) {
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), files_);
    item->setData(Qt::UserRole, path);
    item->setToolTip(path);
  }
  files_->setCurrentRow(0);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(filesLabel);
  layout->addWidget(files_, 1);
  if (!outcome.rejected.isEmpty()) {
    auto* rejected =
        new QLabel(tr("Rejected: %1").arg(outcome.rejected.join(QStringLiteral(", "))), this);
    rejected->setWordWrap(true);
    layout->addWidget(rejected);
  }
  if (!outcome.errorLog.isEmpty()) {
    layout->addWidget(new QLabel(tr("Error log: %1").arg(outcome.errorLog), this));
  } else if (outcome.logEntries > 0) {
    layout->addWidget(new QLabel(tr("The error log was not saved."), this));
  }

  auto* buttons = new QDialogButtonBox(this);
  openReport_ = buttons->addButton(tr("Open Report"), QDialogButtonBox::AcceptRole);
  showInFolder_ = buttons->addButton(tr("Show in Folder"), QDialogButtonBox::ActionRole);
  if (outcome.results)
    showResults_ = buttons->addButton(tr("Show Results"), QDialogButtonBox::ActionRole);
  if (!outcome.webSite.isEmpty())
    openWebSite_ = buttons->addButton(tr("Open Web Site"), QDialogButtonBox::ActionRole);
  if (!outcome.errorLog.isEmpty())
    openErrorLog_ = buttons->addButton(tr("Open Error Log"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  openReport_->setDefault(true);
  layout->addWidget(buttons);

  const bool anyFile = files_->count() > 0;
  openReport_->setEnabled(anyFile);
  showInFolder_->setEnabled(anyFile);
  connect(openReport_, &QPushButton::clicked, this, [this] { View(SelectedFile()); });
  connect(files_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { View(item->data(Qt::UserRole).toString()); });
  connect(showInFolder_, &QPushButton::clicked, this, [this] {
    const QString folder = QFileInfo(SelectedFile()).absolutePath();
    if (!dialogs_.ShowFolder(this, folder))
      dialogs_.ShowWarning(this, ProgramTitle(),
                           tr("No file manager could be started. The files are in %1.")
                               .arg(QDir::toNativeSeparators(folder)));
  });
  if (openWebSite_ != nullptr) {
    const QString page = outcome.webSite;
    connect(openWebSite_, &QPushButton::clicked, this, [this, page] {
      if (!dialogs_.OpenPage(this, page))
        dialogs_.ShowWarning(
            this, ProgramTitle(),
            tr("No web browser could be started. The site's first page is %1").arg(page));
    });
  }
  if (showResults_ != nullptr)
    connect(showResults_, &QPushButton::clicked, this, &RunSummary::resultsRequested);
  if (openErrorLog_ != nullptr) {
    const QString log = outcome.errorLog;
    connect(openErrorLog_, &QPushButton::clicked, this, [this, log] { View(log); });
  }
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  files_->setFocus();
}

QString RunSummary::SelectedFile() const {
  const QListWidgetItem* item = files_->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toString() : QString();
}

ReportViewer* RunSummary::View(const QString& path) {
  if (path.isEmpty()) return nullptr;
  // The viewer belongs to the main window, so it outlives this summary.
  auto* viewer = new ReportViewer(parentWidget());
  QString error;
  if (!viewer->Open(path, error)) {
    delete viewer;
    dialogs_.ShowWarning(this, ProgramTitle(), tr("Could not open %1: %2").arg(path, error));
    return nullptr;
  }
  PlaceOver(viewer, parentWidget());
  viewer->show();
  return viewer;
}

}  // namespace yl::shell
