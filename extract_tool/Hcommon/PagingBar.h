// The paging controls under a paged table: first, previous, "Page:" with the
// page number edit and "/ N", next, last, "Show:" with the page sizes,
// "Items", and "Display item: a-b, Total: n" at the right.
#pragma once

#include "BrowserLogic.h"

#include <QWidget>

class QComboBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Hcommon {

class PagingBar : public QWidget {
    Q_OBJECT
public:
    explicit PagingBar(QWidget *parent = nullptr);

    // Shows `page` (already normalised): labels, the edit's range and which
    // buttons are enabled.
    void showPage(const BrowserLogic::PageInfo &page);
    void updateLanguage();

    // The number typed in the page edit; 0 when it is not a number.
    qint64 typedPage() const;
    qint64 pageSize() const;

    QString rangeText() const;
    QString pageCountText() const;
    QPushButton *firstButton() const { return m_first; }
    QPushButton *previousButton() const { return m_prev; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *lastButton() const { return m_last; }
    QLineEdit *pageEdit() const { return m_pageEdit; }
    QComboBox *pageSizeCombo() const { return m_pageSizeCombo; }

signals:
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    // Return in the page edit.
    void gotoPage();
    void pageCountIndexChanged(int index);

private:
    BrowserLogic::PageInfo m_page;
    QPushButton *m_first;
    QPushButton *m_prev;
    QPushButton *m_next;
    QPushButton *m_last;
    QLabel *m_pageTitle;
    QLineEdit *m_pageEdit;
    QIntValidator *m_pageValidator;
    QLabel *m_pageLabel;
    QLabel *m_showLabel;
    QComboBox *m_pageSizeCombo;
    QLabel *m_itemsLabel;
    QLabel *m_rangeLabel;
};

} // namespace Hcommon
