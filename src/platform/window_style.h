#pragma once

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

// The light yellow of the data entry boxes, with their text centred.
void styleEntryBox(QWidget &box);

// One line of a dialog's grid: caption, entry box named name, unit.
QLineEdit *addEntryRow(QGridLayout &grid, int line, const QString &caption, const QString &name,
                       const QString &unit, QWidget *parent, Qt::Alignment alignment);

// Escape, Return and Enter close a settings window, which checks its boxes
// as it closes; false for any other key, left to the window.
bool closeOnEscapeOrReturn(QWidget &window, const QKeyEvent &event);

} // namespace orvanta
