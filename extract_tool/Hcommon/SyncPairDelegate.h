// Draws a table's cells with a thin separator under every row (darker under
// the selected row).
#pragma once

#include <QStyledItemDelegate>

class SyncPairDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
