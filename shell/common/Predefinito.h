#pragma once

// Enter in a window that is not a dialog: Qt presses a default button only inside a QDialog,
// while Klavo's own windows (the main window, the password window) have one too.

class QPushButton;

namespace klavo {

// Makes pulsante the default button of its window: Enter (either key) presses the push button
// that has the focus, or else pulsante, when it is shown and enabled. pulsante must already sit
// in its window.
void RendiPredefinito(QPushButton* pulsante);

} // namespace klavo
