// A table header that draws a tri-state check box in section 0 and reports
// clicks on it as the state the user asked for (checked or unchecked).
#pragma once

#include <QHeaderView>

class CheckBoxHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CheckBoxHeader(Qt::Orientation orientation, QWidget *parent = nullptr);
    Qt::CheckState checkState() const { return m_state; }
    void setCheckState(Qt::CheckState state);

signals:
    void checkBoxClicked(int state);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRect boxRect(const QRect &section) const;
    Qt::CheckState m_state = Qt::Unchecked;
};
