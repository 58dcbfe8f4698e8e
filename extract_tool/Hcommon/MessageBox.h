// Every user message of the program goes through showMessage.
#pragma once

#include <QMessageBox>

namespace Hcommon {

// Builds a fixed-size message box with the requested standard buttons
// (captions translated, in the order Yes, No, OK, Cancel, Close, Retry, Skip)
// and returns the button clicked. Without buttons the plain static box of
// the icon's kind is used.
QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QWidget *parent);

} // namespace Hcommon
