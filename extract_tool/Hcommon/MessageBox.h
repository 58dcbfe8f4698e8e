// Every user message of the program goes through showMessage.
#pragma once

#include <QMessageBox>

namespace Hcommon {

// Builds a fixed-size message box in the program's style with the requested
// standard buttons (captions translated, in the order Yes, No, OK, Cancel,
// Close, Retry, Skip) and returns the button clicked. Without buttons it
// shows OK, like the platform's plain boxes.
// The program's look for a box built elsewhere (after its buttons were
// added): its own pictures per icon, the window icon, the first button as
// the default one.
void styleMessageBox(QMessageBox *box);

QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QWidget *parent);

} // namespace Hcommon
