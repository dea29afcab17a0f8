// Dialog layout: controls are placed in dialog units of the dialog font (a
// quarter of its average character width across, an eighth of its height
// down), so that a window keeps its proportions under any font; each control
// carries its numeric id.
#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

namespace yl::shell {

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);

  int X(int units) const;
  int Y(int units) const;
  QRect Rect(int x, int y, int width, int height) const;

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }

 private:
  int baseX_;  // average character width in pixels
  int baseY_;  // character height in pixels
};

// Puts the widget at the given place and size in dialog units.
void Place(QWidget* widget, const DialogUnits& units, int x, int y, int width, int height);
// Puts the widget at the given place in dialog units, as wide as it wants to
// be, and as high as it wants or `height` dialog units.
void PlaceAt(QWidget* widget, const DialogUnits& units, int x, int y, int height = 0);
// Puts a value control at its place, but never over its caption: under a
// wide font a caption may reach past the value's left edge, which then moves
// right (the right edge stays).
void PlaceBeside(QWidget* widget, const QWidget* caption, const DialogUnits& units, int x, int y,
                 int width, int height);

// A control's id, kept as the property "controlId".
void SetControlId(QWidget* control, int id);
// The dialog's control with that id, or nullptr.
QWidget* FindControl(const QWidget* dialog, int id);
template <typename Control>
Control* FindControl(const QWidget* dialog, int id) {
  return qobject_cast<Control*>(FindControl(dialog, id));
}

}  // namespace yl::shell
