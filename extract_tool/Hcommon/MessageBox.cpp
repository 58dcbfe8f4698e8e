#include "Hcommon/MessageBox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPushButton>
#include <QStyle>

namespace Hcommon {

namespace {

QString pictureFor(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning: return QStringLiteral(":/images/popup_warning.png");
    case QMessageBox::Critical: return QStringLiteral(":/images/popup_error.png");
    case QMessageBox::Question: return QStringLiteral(":/images/popup_help.png");
    case QMessageBox::Information: return QStringLiteral(":/images/popup_info.png");
    default: return QString();
    }
}

} // namespace

void styleMessageBox(QMessageBox *box)
{
    box->setObjectName(QStringLiteral("messageBox"));
    box->setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    const QString picture = pictureFor(box->icon());
    if (!picture.isEmpty())
        box->setIconPixmap(QIcon(picture).pixmap(QSize(48, 48)));
    // The first button is the default one and looks like it.
    const QList<QAbstractButton *> buttons = box->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setObjectName(i == 0 ? QStringLiteral("primaryButton") : QStringLiteral("secondaryButton"));
        buttons[i]->setMinimumWidth(88);
        // The style sheet matched the old name when the button was made.
        buttons[i]->style()->unpolish(buttons[i]);
        buttons[i]->style()->polish(buttons[i]);
    }
    if (!buttons.isEmpty())
        if (auto *first = qobject_cast<QPushButton *>(buttons.first()))
            box->setDefaultButton(first);
}

QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons, QWidget *parent)
{
    // Without buttons the box still needs one way out, as the static boxes do.
    if (buttons == QMessageBox::NoButton)
        buttons = QMessageBox::Ok;
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
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
    styleMessageBox(&box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace Hcommon
