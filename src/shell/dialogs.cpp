// The real file dialogs and message boxes.
#include "shell/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace yl::shell {

QStringList QtDialogs::AskOpenFiles(QWidget* parent, const QString& filter) {
  QFileDialog dialog(parent, QStringLiteral("Open"), folder_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilter(filter);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList paths = dialog.selectedFiles();
  if (!paths.isEmpty()) RememberFolder(paths.front());
  return paths;
}

QString QtDialogs::AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                               bool confirmReplace) {
  QFileDialog dialog(parent, title, folder_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmReplace);
  if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QString path = dialog.selectedFiles().value(0);
  if (!path.isEmpty()) RememberFolder(path);
  return path;
}

void QtDialogs::ShowWarning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::RememberFolder(const QString& path) {
  folder_ = QFileInfo(path).absolutePath();
}

}  // namespace yl::shell
