#include "CheckBoxHeader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

CheckBoxHeader::CheckBoxHeader(Qt::Orientation orientation, QWidget *parent) : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
}

void CheckBoxHeader::setCheckState(Qt::CheckState state)
{
    if (state == m_state)
        return;
    m_state = state;
    viewport()->update();
}

QRect CheckBoxHeader::boxRect(const QRect &section) const
{
    QStyleOptionButton opt;
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    return QRect(section.x() + (section.width() - indicator.width()) / 2,
                 section.y() + (section.height() - indicator.height()) / 2, indicator.width(), indicator.height());
}

void CheckBoxHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex != 0)
        return;
    QStyleOptionButton opt;
    opt.rect = boxRect(rect);
    opt.state = QStyle::State_Enabled;
    opt.state |= m_state == Qt::Checked ? QStyle::State_On
                 : m_state == Qt::PartiallyChecked ? QStyle::State_NoChange
                                                   : QStyle::State_Off;
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opt, painter, this);
}

void CheckBoxHeader::mousePressEvent(QMouseEvent *event)
{
    const int index = logicalIndexAt(event->pos());
    if (index == 0) {
        // A click on a checked or partly checked box clears; otherwise it checks all.
        const Qt::CheckState next = m_state == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
        emit checkBoxClicked(next);
        return;
    }
    QHeaderView::mousePressEvent(event);
}
