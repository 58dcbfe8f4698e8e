// The event log viewer: the lines of the event log file in a sorted, paged
// table (type icon, date, message), with "Clear" and "Save".
#pragma once

#include "EventLogModel.h"

#include <QDialog>
#include <QTableWidgetItem>

class QLabel;
class QPushButton;
class QTableWidget;
namespace Hcommon {
class PagingBar;
}

// The item under a row's type button; it carries the level as sort key.
class TypeItem : public QTableWidgetItem {
public:
    explicit TypeItem(int level) : m_level(level) {}
    int level() const { return m_level; }
    bool operator<(const QTableWidgetItem &other) const override;

private:
    int m_level;
};

class EventLog : public QDialog {
    Q_OBJECT
public:
    explicit EventLog(QWidget *parent = nullptr);

    const EventLogModel &model() const { return m_model; }
    QTableWidget *table() const { return m_table; }
    Hcommon::PagingBar *pagingBar() const { return m_paging; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *saveButton() const { return m_save; }
    QLabel *statusLabel() const { return m_status; }

    // Writes the log's lines to `path`; false with `error` otherwise. The
    // event log file itself is never a target (replacing it would cut it off
    // from the logger).
    bool saveLogsTo(const QString &path, QString *error);

    // Resource name of the icon for a level; empty for levels shown without one.
    static QString iconFor(int level);

signals:
    void updateListSignal();
    void initContinueSignal();

public slots:
    void clearAllLogs();
    void saveLogs();
    void initContinue();
    void updateList();
    void headerSectionClicked(int column);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void gotoPage();
    void pageCountIndexChanged(int index);
    void setPageInfo();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillPage();

    EventLogModel m_model;
    QTableWidget *m_table;
    Hcommon::PagingBar *m_paging;
    QPushButton *m_clear;
    QPushButton *m_save;
    QLabel *m_status;
    bool m_initialised = false;
};
