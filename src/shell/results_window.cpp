// The results window.
#include "shell/results_window.h"

#include <fcntl.h>
#include <unistd.h>

#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "shell/dialogs.h"
#include "shell/native_text.h"
#include "shell/program.h"

namespace yl::shell {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

// Gives the complete file at `from` the name `to` unless a file has it.
// Where the file system cannot rename without replacing, a second link
// does the same.
std::error_code NameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return LastError();
  if (::link(from.c_str(), to.c_str()) != 0) return LastError();
  ::unlink(from.c_str());
  return {};
}

// Writes a file that does not exist yet. The bytes go to a hidden file
// beside it, which takes the name only once complete and only if nobody
// has it: the name never holds half a table, and no file is replaced.
std::error_code WriteNewFile(const std::string& path, const QByteArray& bytes) {
  const std::filesystem::path target(path);
  const std::string stem =
      (target.parent_path() / ("." + target.filename().string() + ".yl-export-")).string() +
      std::to_string(::getpid());
  std::string hidden;
  int fd = -1;
  for (int n = 0; fd < 0 && n < 100; ++n) {
    hidden = stem + "-" + std::to_string(n);
    fd = ::open(hidden.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return LastError();
  }
  if (fd < 0) return std::make_error_code(std::errc::file_exists);
  std::error_code error;
  for (qsizetype done = 0; done < bytes.size() && !error;) {
    const ssize_t wrote =
        ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
    if (wrote > 0) {
      done += wrote;
    } else if (errno != EINTR) {
      error = LastError();
    }
  }
  if (!error && ::fsync(fd) != 0) error = LastError();
  if (::close(fd) != 0 && !error) error = LastError();
  if (!error) error = NameWithoutReplacing(hidden, path);
  if (error) ::unlink(hidden.c_str());
  return error;
}

QString TabTitle(ResultsWindow::Tab tab) {
  switch (tab) {
    case ResultsWindow::Tab::kStandings:
      return ResultsWindow::tr("Standings");
    case ResultsWindow::Tab::kPlayers:
      return ResultsWindow::tr("Players");
    case ResultsWindow::Tab::kTeams:
      return ResultsWindow::tr("Teams");
    case ResultsWindow::Tab::kLeaders:
      return ResultsWindow::tr("Leaders");
    case ResultsWindow::Tab::kGames:
      return ResultsWindow::tr("Games");
  }
  return {};
}

// A chooser with its label, in a row of its own above a tab's table.
QWidget* ChooserRow(const QString& label, QComboBox* chooser, QLabel* note = nullptr) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* caption = new QLabel(label, row);
  caption->setBuddy(chooser);
  layout->addWidget(caption);
  layout->addWidget(chooser);
  if (note != nullptr) layout->addWidget(note);
  layout->addStretch(1);
  return row;
}

}  // namespace

ResultsWindow::ResultsWindow(ResultsData data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(std::move(data)), dialogs_(dialogs) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Results"));
  setWindowIcon(ProgramIcon());

  filter_ = new QLineEdit(this);
  filter_->setPlaceholderText(tr("Filter by player or team"));
  filter_->setClearButtonEnabled(true);
  export_ = new QPushButton(tr("Export\u2026"), this);
  auto* top = new QHBoxLayout;
  top->addWidget(filter_, 1);
  top->addWidget(export_);

  tabs_ = new QTabWidget(this);
  const QString noSeason = tr("A run that compiles each game on its own keeps no season figures.");
  tabs_->addTab(
      MakePage(Tab::kStandings, nullptr, data_.season ? tr("No team was compiled.") : noSeason),
      TabTitle(Tab::kStandings));

  sections_ = new QComboBox;
  sections_->addItems(SectionNames());
  tabs_->addTab(MakePage(Tab::kPlayers, ChooserRow(tr("&Section:"), sections_), {}),
                TabTitle(Tab::kPlayers));

  tabs_->addTab(
      MakePage(Tab::kTeams, nullptr, data_.season ? tr("No team was compiled.") : noSeason),
      TabTitle(Tab::kTeams));

  leaders_ = new QComboBox;
  for (const LeaderTableText& table : data_.leaders)
    leaders_->addItem(table.title);
  minimum_ = new QLabel;
  QWidget* leaderRow = ChooserRow(tr("T&able:"), leaders_, minimum_);
  tabs_->addTab(MakePage(Tab::kLeaders, leaderRow,
                         tr("No leader tables: the run lists no leaders, or no player "
                            "qualified for one.")),
                TabTitle(Tab::kLeaders));
  leaderRow->setVisible(!data_.leaders.empty());

  tabs_->addTab(MakePage(Tab::kGames, nullptr, tr("No game was compiled.")), TabTitle(Tab::kGames));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(tabs_, 1);

  ShowTable(Tab::kStandings, StandingsTable(data_));
  ShowSection(0);
  ShowTable(Tab::kTeams, TeamsTable(data_));
  ShowLeaderTable(data_.leaders.empty() ? -1 : 0);
  ShowTable(Tab::kGames, GamesTable(data_));

  connect(sections_, &QComboBox::currentIndexChanged, this, &ResultsWindow::ShowSection);
  connect(leaders_, &QComboBox::currentIndexChanged, this, &ResultsWindow::ShowLeaderTable);
  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    for (Page& page : pages_)
      page.filter->SetNeedle(text);
  });
  connect(export_, &QPushButton::clicked, this, [this] { ExportVisibleTable(); });
  connect(view(Tab::kGames), &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    const Page& games = pages_[Index(Tab::kGames)];
    const int row = games.filter->mapToSource(index).row();
    if (row >= 0 && static_cast<std::size_t>(row) < data_.games.size())
      emit gameActivated(FromNative(data_.games[static_cast<std::size_t>(row)].transcript));
  });
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
  }

  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(QLatin1Char('0')) * 130, metrics.lineSpacing() * 36);
}

QWidget* ResultsWindow::MakePage(Tab tab, QWidget* chooserRow, const QString& emptyText) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  if (chooserRow != nullptr) layout->addWidget(chooserRow);
  Page& p = pages_[Index(tab)];
  p.model = new ResultsModel(this);
  p.filter = new ResultsFilter(p.model, this);
  p.view = new QTableView(page);
  p.view->setModel(p.filter);
  p.view->setSortingEnabled(true);
  // Until a header is clicked, the rows keep the order the reports give them.
  p.view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  p.view->horizontalHeader()->setResizeContentsPrecision(200);
  p.view->verticalHeader()->hide();
  // Rows as tall as a line of text: a table of figures is read by the line.
  p.view->verticalHeader()->setDefaultSectionSize(p.view->fontMetrics().height() + 6);
  p.view->setSelectionBehavior(QAbstractItemView::SelectRows);
  p.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  p.view->setAlternatingRowColors(true);
  p.view->setWordWrap(false);
  p.empty = new QLabel(emptyText, page);
  p.empty->setAlignment(Qt::AlignCenter);
  p.empty->setWordWrap(true);
  p.empty->hide();
  layout->addWidget(p.view, 1);
  layout->addWidget(p.empty, 1);
  return page;
}

void ResultsWindow::ShowTable(Tab tab, ResultsTable table) {
  Page& page = pages_[Index(tab)];
  // A new set of columns starts in the reports' order.
  page.view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  const bool nothing = table.rows.empty() && !page.empty->text().isEmpty();
  page.model->SetTable(std::move(table));
  page.view->setVisible(!nothing);
  page.empty->setVisible(nothing);
  page.view->resizeColumnsToContents();
}

void ResultsWindow::ShowSection(int section) {
  if (section < 0) return;
  ShowTable(Tab::kPlayers, PlayersTable(data_, static_cast<std::size_t>(section)));
}

void ResultsWindow::ShowLeaderTable(int table) {
  if (table < 0 || static_cast<std::size_t>(table) >= data_.leaders.size()) {
    minimum_->clear();
    ShowTable(Tab::kLeaders, {});
    return;
  }
  const LeaderTableText& leaders = data_.leaders[static_cast<std::size_t>(table)];
  minimum_->setText(leaders.minimum);
  ShowTable(Tab::kLeaders, leaders.table);
}

std::vector<QStringList> ResultsWindow::VisibleRows() const {
  const ResultsFilter* shown = pages_[static_cast<std::size_t>(tabs_->currentIndex())].filter;
  std::vector<QStringList> rows;
  QStringList header;
  for (int c = 0; c < shown->columnCount(); ++c)
    header << shown->headerData(c, Qt::Horizontal).toString();
  rows.push_back(header);
  for (int r = 0; r < shown->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < shown->columnCount(); ++c)
      row << shown->index(r, c).data().toString();
    rows.push_back(row);
  }
  return rows;
}

QString ResultsWindow::ProposedName() const {
  const auto tab = static_cast<Tab>(tabs_->currentIndex());
  QString name = TabTitle(tab);
  if (tab == Tab::kPlayers) name = sections_->currentText();
  if (tab == Tab::kLeaders && leaders_->currentIndex() >= 0)
    name = tr("Leaders - %1").arg(leaders_->currentText());
  name.replace(u'/', u'-');
  return name + QStringLiteral(".csv");
}

bool ResultsWindow::ExportVisibleTable() {
  const QString folder =
      data_.reportFiles.isEmpty() ? QString() : QFileInfo(data_.reportFiles.first()).absolutePath();
  // The dialog need not ask about replacing: an existing file is refused.
  const QString path =
      dialogs_.AskSaveFile(this, tr("Export Table"), ProposedName(), false, folder);
  if (path.isEmpty()) return false;
  const std::error_code error = WriteNewFile(ToNative(path), CsvBytes(VisibleRows()));
  if (!error) return true;
  if (error == std::errc::file_exists) {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("%1 exists already. The table was not written: choose a new name, "
                            "an export never replaces a file.")
                             .arg(path));
  } else {
    dialogs_.ShowWarning(this, ProgramTitle(),
                         tr("The table could not be written to %1: %2")
                             .arg(path, QString::fromLocal8Bit(error.message().c_str())));
  }
  return false;
}

}  // namespace yl::shell
