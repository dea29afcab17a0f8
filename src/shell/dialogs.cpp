// The real file dialogs, message boxes and file manager.
#include "shell/dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace yl::shell {

QStringList QtDialogs::AskOpenFiles(QWidget* parent, const QString& filter, const QString& folder) {
  QFileDialog dialog(parent, QFileDialog::tr("Open"), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setNameFilter(filter);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

QString QtDialogs::AskSaveFile(QWidget* parent, const QString& title, const QString& proposedName,
                               bool confirmReplace, const QString& folder) {
  QFileDialog dialog(parent, title, folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmReplace);
  if (!proposedName.isEmpty()) dialog.selectFile(proposedName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

void QtDialogs::ShowWarning(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtDialogs::ShowInformation(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.exec();
}

bool QtDialogs::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::ShowFolder(QWidget*, const QString& folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool QtDialogs::OpenPage(QWidget*, const QString& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace yl::shell
