#include "ConflictPolicyConfirm.h"

#include "Hcommon/Retranslate.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <QVBoxLayout>

namespace {

struct ButtonText {
    int code;
    const char *text;
};

// In the order they are laid out.
const ButtonText kButtons[] = {
    {ConflictPolicyConfirm::Yes, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Yes")},
    {ConflictPolicyConfirm::YesToAll, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Yes All")},
    {ConflictPolicyConfirm::No, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "No")},
    {ConflictPolicyConfirm::NoToAll, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "NO All")},
    {ConflictPolicyConfirm::Replace, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Replace")},
    {ConflictPolicyConfirm::ReplaceAll, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Replace All")},
    {ConflictPolicyConfirm::Skip, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Skip")},
    {ConflictPolicyConfirm::SkipAll, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Skip All")},
    {ConflictPolicyConfirm::Rename, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Rename")},
    {ConflictPolicyConfirm::RenameAll, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Rename All")},
    {ConflictPolicyConfirm::Retry, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Retry")},
    {ConflictPolicyConfirm::Ok, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "OK")},
    {ConflictPolicyConfirm::Cancel, QT_TRANSLATE_NOOP("ConflictPolicyConfirm", "Cancel")},
};

QString iconFile(ConflictPolicyConfirm::Icon icon)
{
    switch (icon) {
    case ConflictPolicyConfirm::Warning: return QStringLiteral(":/images/popup_warning.png");
    case ConflictPolicyConfirm::Critical: return QStringLiteral(":/images/popup_error.png");
    case ConflictPolicyConfirm::Question: return QStringLiteral(":/images/popup_help.png");
    default: return QStringLiteral(":/images/popup_info.png");
    }
}

} // namespace

ConflictPolicyConfirm::ConflictPolicyConfirm(const QString &title, const QString &text, int buttons, Icon icon,
                                             QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("conflictPolicyConfirm"));
    setWindowTitle(title);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    setModal(true);
    setFixedSize(450, 200);

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(iconFile(icon)).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    m_text = new QLabel(text, this);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture);
    top->addWidget(m_text, 1);

    auto *row = new QHBoxLayout;
    row->addStretch(1);
    bool first = true;
    for (const ButtonText &b : kButtons) {
        if (!(buttons & b.code))
            continue;
        auto *button = new QPushButton(this);
        const char *caption = b.text;
        Hcommon::bindText(this, [button, caption] { button->setText(tr(caption)); });
        button->setObjectName(first ? QStringLiteral("primaryButton") : QStringLiteral("secondaryButton"));
        button->setProperty("code", QVariant(b.code));
        button->setDefault(first);
        first = false;
        const int code = b.code;
        connect(button, &QPushButton::clicked, this, [this, code] { done(code); });
        row->addWidget(button);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addLayout(top, 1);
    layout->addLayout(row);

    if (parent) {
        const QRect pr = parent->window()->geometry();
        move(pr.center() - rect().center());
    }
}

int ConflictPolicyConfirm::policyFor(int code)
{
    switch (code) {
    case ReplaceAll: return 1;
    case RenameAll: return 2;
    default: return 0;
    }
}
