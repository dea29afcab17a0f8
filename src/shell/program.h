// What identifies the program on screen: its title, its icon and the About
// dialog.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

namespace yl::shell {

// The title of the main window and of every message box.
inline QString ProgramTitle() {
  return QStringLiteral("Yardledger");
}

// A football over a patch of field, drawn at the usual icon sizes.
QIcon ProgramIcon();

// "About Yardledger": the icon, the program's name and version, OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace yl::shell
