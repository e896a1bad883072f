#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QGridLayout;
class QKeyEvent;
class QLineEdit;
class QString;
class QWidget;

namespace orvanta {

// Window helpers shared by the dialogs.

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget &window);

// Where a window of frame size goes beside the frame main, on the screen's
// area: to its right if it fits there, else to its left, kept on the
// screen; its top level with main's, or where it has to cover main, its
// middle level with main's.
QPoint besideFrame(const QRect &main, const QSize &size, const QRect &area);
// Puts window beside main (both already laid out), on main's screen.
void placeBeside(QWidget &window, const QWidget &main);

// The light yellow of the data entry boxes, with their text centred.
void styleEntryBox(QWidget &box);

// One line of a dialog's grid: caption, entry box named name, unit.
QLineEdit *addEntryRow(QGridLayout &grid, int line, const QString &caption, const QString &name,
                       const QString &unit, QWidget *parent, Qt::Alignment alignment);

// Escape, Return and Enter close a settings window, which checks its boxes
// as it closes; false for any other key, left to the window.
bool closeOnEscapeOrReturn(QWidget &window, const QKeyEvent &event);

} // namespace orvanta
