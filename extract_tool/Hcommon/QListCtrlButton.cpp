#include "Hcommon/QListCtrlButton.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>

QListCtrlButton::QListCtrlButton(const QString &icon, const QString &toolTip, QWidget *parent)
    : QWidget(parent), m_button(new QPushButton(this)), m_iconName(icon)
{
    m_button->setFlat(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIcon(QIcon(icon));
    m_button->setIconSize(QSize(20, 20));
    m_button->setFixedSize(28, 28);
    m_button->setToolTip(toolTip);
    m_button->setStyleSheet(QStringLiteral("QPushButton{border:none;background:transparent;}"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button, 0, Qt::AlignCenter);
}
