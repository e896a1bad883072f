#pragma once

class QWidget;

namespace orvanta {

// Window helpers shared by the dialogs.

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget &window);

// The light yellow of the data entry boxes, with their text centred.
void styleEntryBox(QWidget &box);

} // namespace orvanta
