// The main window's file lists.
#include "shell/file_list.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <vector>

#include "run/input_folders.h"
#include "shell/native_text.h"

namespace yl::shell {

namespace {

QStringList LocalPaths(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

FileList::FileList(QString extension, QString otherKind, int visibleRows, QWidget* parent)
    : QListWidget(parent),
      extension_(std::move(extension)),
      otherKind_(std::move(otherKind)),
      visibleRows_(visibleRows) {
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DropOnly);
}

// Wide enough for a path of some sixty-five characters.
QSize FileList::sizeHint() const {
  const int margins = 2 * frameWidth();
  return QSize(fontMetrics().averageCharWidth() * 65 + margins,
               (fontMetrics().lineSpacing() + 2) * visibleRows_ + margins);
}

void FileList::AddPaths(const QStringList& paths) {
  if (paths.isEmpty()) return;
  // The rows are made again in one go: inserting each path at its place
  // would take a look along the list and a move of the rows after it.
  QStringList all = Paths() + paths;
  std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  // The first of equal paths stays: a row listed before a new one.
  all.erase(std::unique(all.begin(), all.end(),
                        [](const QString& a, const QString& b) {
                          return QString::compare(a, b, Qt::CaseInsensitive) == 0;
                        }),
            all.end());
  QSet<QString> selected;
  for (const QListWidgetItem* item : selectedItems())
    selected.insert(item->data(Qt::UserRole).toString());
  setUpdatesEnabled(false);
  clear();
  for (const QString& path : all) {
    // The name to read, the whole path on the pointer's rest.
    auto* item = new QListWidgetItem(QFileInfo(path).fileName(), this);
    item->setData(Qt::UserRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));
    if (selected.contains(path)) item->setSelected(true);
  }
  setUpdatesEnabled(true);
  emit rowsChanged();
}

QStringList FileList::Paths() const {
  QStringList paths;
  paths.reserve(count());
  for (int row = 0; row < count(); ++row)
    paths << item(row)->data(Qt::UserRole).toString();
  return paths;
}

QStringList FileList::DroppedFiles(const QStringList& dropped) const {
  const std::string extension = ToNative(extension_);
  const std::string otherKind = ToNative(otherKind_);
  QStringList files;
  for (const QString& path : dropped) {
    if (!QFileInfo(path).isDir()) {
      if (!run::HasExtension(ToNative(path), otherKind)) files << path;
      continue;
    }
    // A folder without a file of the kind adds nothing; a drop has no way
    // to say more.
    std::vector<std::string> found;
    run::AddInput(ToNative(path), extension, found);
    for (const std::string& file : found)
      files << FromNative(file);
  }
  return files;
}

void FileList::dragEnterEvent(QDragEnterEvent* event) {
  if (LocalPaths(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
}

void FileList::dragMoveEvent(QDragMoveEvent* event) {
  if (LocalPaths(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
}

void FileList::dropEvent(QDropEvent* event) {
  const QStringList files = DroppedFiles(LocalPaths(event->mimeData()));
  if (files.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  AddPaths(files);
}

void FileList::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
    if (!selectedItems().isEmpty()) {
      qDeleteAll(selectedItems());
      emit rowsChanged();
    }
    event->accept();
    return;
  }
  QListWidget::keyPressEvent(event);
}

}  // namespace yl::shell
