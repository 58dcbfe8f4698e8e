#include "Hcommon/MessageBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>

namespace Hcommon {

QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QWidget *parent)
{
    if (buttons == QMessageBox::NoButton) {
        switch (icon) {
        case QMessageBox::Warning: return QMessageBox::warning(parent, title, text);
        case QMessageBox::Critical: return QMessageBox::critical(parent, title, text);
        case QMessageBox::Question: return QMessageBox::question(parent, title, text);
        default: return QMessageBox::information(parent, title, text);
        }
    }
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (icon == QMessageBox::NoIcon)
        box.setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    const struct {
        QMessageBox::StandardButton button;
        const char *caption;
    } order[] = {
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Hcommon", "Yes")},       {QMessageBox::No, QT_TRANSLATE_NOOP("Hcommon", "No")},
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Hcommon", "OK")},         {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Hcommon", "Cancel")},
        {QMessageBox::Close, QT_TRANSLATE_NOOP("Hcommon", "Close")},   {QMessageBox::Retry, QT_TRANSLATE_NOOP("Hcommon", "Retry")},
        {QMessageBox::Ignore, QT_TRANSLATE_NOOP("Hcommon", "Skip")},
    };
    for (const auto &b : order)
        if (buttons & b.button)
            box.addButton(b.button)->setText(QCoreApplication::translate("Hcommon", b.caption));
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace Hcommon
