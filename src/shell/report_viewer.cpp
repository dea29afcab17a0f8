// The report viewer.
#include "shell/report_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "run/mac_roman.h"
#include "shell/program.h"

namespace yl::shell {

QString ReportText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    text = QString::fromStdString(
        run::MacRomanToUtf8(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

namespace {

// The desktop's fixed-width font; where the desktop names none (a bare
// window system), the first fixed-width family installed.
QFont FixedWidthFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(font).fixedPitch()) return font;
  QStringList families = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                          QStringLiteral("Liberation Mono")};
  families += QFontDatabase::families();
  for (const QString& family : families) {
    if (!QFontDatabase::hasFamily(family) || !QFontDatabase::isFixedPitch(family)) continue;
    font.setFamily(family);
    if (QFontInfo(font).fixedPitch()) return font;
  }
  return font;
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(ProgramIcon());

  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(FixedWidthFont());
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  findBar_ = new QWidget(this);
  auto* findLabel = new QLabel(tr("Find:"), findBar_);
  find_ = new QLineEdit(findBar_);
  findLabel->setBuddy(find_);
  auto* previous = new QPushButton(tr("Previous"), findBar_);
  auto* next = new QPushButton(tr("Next"), findBar_);
  status_ = new QLabel(findBar_);
  auto* bar = new QHBoxLayout(findBar_);
  bar->setContentsMargins(0, 0, 0, 0);
  bar->addWidget(findLabel);
  bar->addWidget(find_, 1);
  bar->addWidget(previous);
  bar->addWidget(next);
  bar->addWidget(status_);
  findBar_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_, 1);
  layout->addWidget(findBar_);

  auto* closeShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
  connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);
  auto* findShortcut = new QShortcut(QKeySequence::Find, this);
  connect(findShortcut, &QShortcut::activated, this, &ReportViewer::ShowFindBar);
  auto* nextShortcut = new QShortcut(QKeySequence::FindNext, this);
  connect(nextShortcut, &QShortcut::activated, this, [this] { FindNext(false); });
  auto* previousShortcut = new QShortcut(QKeySequence::FindPrevious, this);
  connect(previousShortcut, &QShortcut::activated, this, [this] { FindNext(true); });
  connect(next, &QPushButton::clicked, this, [this] { FindNext(false); });
  connect(previous, &QPushButton::clicked, this, [this] { FindNext(true); });
  // Typing searches from where the last match began, so the match grows;
  // a text found nowhere leaves the last match selected.
  connect(find_, &QLineEdit::textEdited, this, [this] {
    const QTextCursor kept = text_->textCursor();
    QTextCursor from = kept;
    from.setPosition(kept.selectionStart());
    text_->setTextCursor(from);
    if (!FindNext(false)) text_->setTextCursor(kept);
  });
  find_->installEventFilter(this);

  const QFontMetrics metrics(text_->font());
  resize(metrics.horizontalAdvance(QLatin1Char('0')) * 100, metrics.lineSpacing() * 40);
}

bool ReportViewer::Open(const QString& path, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = file.errorString();
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    error = file.errorString();
    return false;
  }
  QString text = ReportText(bytes);
  if (text.endsWith(u'\n')) text.chop(1);  // a last line end starts no line
  text_->setPlainText(text);
  setWindowTitle(tr("%1 - %2").arg(QFileInfo(path).fileName(), ProgramTitle()));
  return true;
}

bool ReportViewer::FindNext(bool backward) {
  const QString needle = find_->text();
  status_->clear();
  if (needle.isEmpty()) return false;
  const QTextDocument::FindFlags flags =
      backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
  if (text_->find(needle, flags)) return true;
  // Wrap: start again from the other end.
  const QTextCursor kept = text_->textCursor();
  QTextCursor from = kept;
  from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
  text_->setTextCursor(from);
  if (text_->find(needle, flags)) return true;
  text_->setTextCursor(kept);
  status_->setText(tr("Not found"));
  return false;
}

void ReportViewer::ShowFindBar() {
  findBar_->show();
  find_->setFocus();
  find_->selectAll();
}

void ReportViewer::HideFindBar() {
  findBar_->hide();
  text_->setFocus();
}

bool ReportViewer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == find_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      HideFindBar();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      FindNext(key->modifiers() & Qt::ShiftModifier);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace yl::shell
