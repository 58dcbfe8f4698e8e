// An icon button centred in a table cell (the event log's type column).
#pragma once

#include <QWidget>

class QPushButton;

class QListCtrlButton : public QWidget {
    Q_OBJECT
public:
    QListCtrlButton(const QString &icon, const QString &toolTip, QWidget *parent = nullptr);
    QPushButton *button() const { return m_button; }
    QString iconName() const { return m_iconName; }

private:
    QPushButton *m_button;
    QString m_iconName;
};
