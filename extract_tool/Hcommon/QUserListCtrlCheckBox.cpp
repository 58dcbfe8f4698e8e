#include "Hcommon/QUserListCtrlCheckBox.h"

#include <QHBoxLayout>

QUserListCtrlCheckBox::QUserListCtrlCheckBox(int row, int column, QWidget *parent)
    : QWidget(parent), m_box(new QCheckBox(this)), m_row(row), m_column(column)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box, 0, Qt::AlignCenter);
    connect(m_box, &QCheckBox::clicked, this, [this] { emit clickItemSignal(m_row, m_column, m_box->checkState()); });
}

void QUserListCtrlCheckBox::setCheckStateQuiet(Qt::CheckState state)
{
    const QSignalBlocker block(m_box);
    m_box->setCheckState(state);
}
