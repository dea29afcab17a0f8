// A list of input files as the main window shows them: each row the file's
// name (the whole path as its tooltip and its Qt::UserRole data), rows
// sorted by path with letter case ignored, a path listed once in any letter
// case; files and folders dropped on it are added, Delete removes the
// selected rows.
#pragma once

#include <QListWidget>
#include <QStringList>

namespace yl::shell {

class FileList : public QListWidget {
  Q_OBJECT

 public:
  // `extension` is the kind of file the list holds (".txt", ".fbt"): a folder
  // dropped on the list gives its files of that kind. `otherKind` is the
  // other list's: a file of that kind dropped here is not taken. The list
  // asks for room for `visibleRows` rows.
  FileList(QString extension, QString otherKind, int visibleRows, QWidget* parent);

  QSize sizeHint() const override;

  // Adds the paths not listed yet, each at its place in the order.
  void AddPaths(const QStringList& paths);
  QStringList Paths() const;
  // The files a drop of these paths adds: a folder's files of the list's
  // kind (directly inside, hidden ones skipped), and every file not of the
  // other list's kind.
  QStringList DroppedFiles(const QStringList& dropped) const;

 signals:
  // Rows were added (AddPaths, a drop) or removed by the Delete key.
  void rowsChanged();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString extension_;
  QString otherKind_;
  int visibleRows_;
};

}  // namespace yl::shell
