#include "Hcommon/PagingBar.h"

#include "Hcommon/Retranslate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <climits>

namespace Hcommon {

namespace {

// An image button with its hover and disabled pictures (":/images/<base>_hover.png", "..._dis.png").
QPushButton *imageButton(const QString &base, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("pageButton"));
    b->setFixedSize(28, 28);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("QPushButton{border:none;image:url(:/images/%1.png);}"
                                    "QPushButton:hover{image:url(:/images/%1_hover.png);}"
                                    "QPushButton:disabled{image:url(:/images/%1_dis.png);}")
                         .arg(base));
    return b;
}

} // namespace

PagingBar::PagingBar(QWidget *parent)
    : QWidget(parent), m_first(imageButton(QStringLiteral("page_l_end"), this)),
      m_prev(imageButton(QStringLiteral("page_l"), this)), m_next(imageButton(QStringLiteral("page_r"), this)),
      m_last(imageButton(QStringLiteral("page_r_end"), this)), m_pageTitle(new QLabel(this)),
      m_pageEdit(new QLineEdit(this)), m_pageValidator(new QIntValidator(m_pageEdit)), m_pageLabel(new QLabel(this)), m_showLabel(new QLabel(this)),
      m_pageSizeCombo(new QComboBox(this)), m_itemsLabel(new QLabel(this)), m_rangeLabel(new QLabel(this))
{
    m_pageEdit->setFixedWidth(56);
    m_pageEdit->setAlignment(Qt::AlignCenter);
    m_pageEdit->setValidator(m_pageValidator);
    for (qint64 s : BrowserLogic::kPageSizes)
        m_pageSizeCombo->addItem(QString::number(s), s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_first);
    layout->addWidget(m_prev);
    layout->addWidget(m_pageTitle);
    layout->addWidget(m_pageEdit);
    layout->addWidget(m_pageLabel);
    layout->addWidget(m_next);
    layout->addWidget(m_last);
    layout->addSpacing(16);
    layout->addWidget(m_showLabel);
    layout->addWidget(m_pageSizeCombo);
    layout->addWidget(m_itemsLabel);
    layout->addStretch(1);
    layout->addWidget(m_rangeLabel);

    connect(m_first, &QPushButton::clicked, this, &PagingBar::firstPage);
    connect(m_prev, &QPushButton::clicked, this, &PagingBar::previousPage);
    connect(m_next, &QPushButton::clicked, this, &PagingBar::nextPage);
    connect(m_last, &QPushButton::clicked, this, &PagingBar::lastPage);
    connect(m_pageEdit, &QLineEdit::returnPressed, this, &PagingBar::gotoPage);
    connect(m_pageSizeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &PagingBar::pageCountIndexChanged);
    Hcommon::bindText(this, [this] { updateLanguage(); });
}

void PagingBar::updateLanguage()
{
    m_pageTitle->setText(tr("Page:"));
    m_showLabel->setText(tr("Show:"));
    m_itemsLabel->setText(tr("Items"));
    showPage(m_page);
}

void PagingBar::showPage(const BrowserLogic::PageInfo &page)
{
    m_page = page;
    const bool none = page.pageCount == 0;
    m_pageLabel->setText(tr("/ %1").arg(page.pageCount));
    m_pageValidator->setRange(0, static_cast<int>(qMin<qint64>(page.pageCount, INT_MAX)));
    m_pageEdit->setText(QString::number(page.currentPage));
    m_rangeLabel->setText(tr("Display item: %1, Total: %2").arg(page.rangeText()).arg(page.entries));
    m_first->setEnabled(page.canGoBack());
    m_prev->setEnabled(page.canGoBack());
    m_next->setEnabled(page.canGoForward());
    m_last->setEnabled(page.canGoForward());
    m_pageEdit->setEnabled(!none);
    const int sizeIndex = m_pageSizeCombo->findData(page.pageSize);
    if (sizeIndex >= 0 && sizeIndex != m_pageSizeCombo->currentIndex()) {
        const QSignalBlocker quiet(m_pageSizeCombo);
        m_pageSizeCombo->setCurrentIndex(sizeIndex);
    }
}

qint64 PagingBar::typedPage() const
{
    return m_pageEdit->text().toLongLong();
}

qint64 PagingBar::pageSize() const
{
    return m_pageSizeCombo->currentData().toLongLong();
}

QString PagingBar::rangeText() const
{
    return m_rangeLabel->text();
}

QString PagingBar::pageCountText() const
{
    return m_pageLabel->text();
}

} // namespace Hcommon
