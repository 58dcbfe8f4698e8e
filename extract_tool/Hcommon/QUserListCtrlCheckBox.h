// The check box in column 0 of a table row; reports (row, column, state).
#pragma once

#include <QCheckBox>
#include <QWidget>

class QUserListCtrlCheckBox : public QWidget {
    Q_OBJECT
public:
    QUserListCtrlCheckBox(int row, int column, QWidget *parent = nullptr);
    QCheckBox *checkBox() const { return m_box; }
    int checkState() const { return m_box->checkState(); }
    // Sets the state without reporting it.
    void setCheckStateQuiet(Qt::CheckState state);

signals:
    void clickItemSignal(int row, int column, int state);

private:
    QCheckBox *m_box;
    int m_row;
    int m_column;
};
