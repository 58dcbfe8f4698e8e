#include "Hcommon/SyncPairDelegate.h"

#include <QPainter>

void SyncPairDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(QColor(selected ? QStringLiteral("#194577") : QStringLiteral("#c9cccf")));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}
