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

// Places a window about to be shown over `over` (centred on it), inside the
// available area of its screen, made smaller where it would not fit.
void PlaceOver(QWidget* window, const QWidget* over);

// "About Yardledger": the icon, the program's name and version, what it
// does, its license and the Qt it runs on, OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace yl::shell
