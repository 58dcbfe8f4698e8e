#include "Hcommon/SyncPairDelegate.h"

#include <QPainter>

void SyncPairDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    // Rows are selected whole: the frame the style draws around the current
    // cell would only box in one cell of a row.
    QStyleOptionViewItem opt(option);
    opt.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, opt, index);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(QColor(selected ? QStringLiteral("#194577") : QStringLiteral("#c9cccf")));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}
