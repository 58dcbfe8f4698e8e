#include "VerifyPassword.h"

#include "Hcommon/Retranslate.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

const char *VerifyPassword::kAllowedPattern = R"([A-Za-z0-9()[\]{}<>+\-*\/?,.:;"'_\\|~`!@#$%^&= ]+)";

VerifyPassword::VerifyPassword(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("verifyPassword"));
    setModal(true);
    setMinimumSize(434, 234);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/popup_lock.png")));
    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("dialogHeading"));
    auto *text = new QLabel(this);
    text->setWordWrap(true);

    m_edit = new QLineEdit(this);
    m_edit->setEchoMode(QLineEdit::Password);
    m_edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(kAllowedPattern)), m_edit));
    m_eye = new QPushButton(this);
    m_eye->setFlat(true);
    m_eye->setIcon(QIcon(QStringLiteral(":/images/eye_on.png")));
    m_eye->setIconSize(QSize(20, 20));
    m_eye->setFixedSize(30, 30);

    auto *ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("primaryButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(this);
    Hcommon::bindText(this, [=, this] {
        setWindowTitle(tr("Verify Password"));
        heading->setText(tr("Verify Password"));
        text->setText(tr("A password is required to decrypt the data."));
        m_edit->setPlaceholderText(tr("Password"));
        ok->setText(tr("OK"));
        cancel->setText(tr("Cancel"));
    });
    cancel->setObjectName(QStringLiteral("secondaryButton"));

    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(text);
    auto *editRow = new QHBoxLayout;
    editRow->addWidget(m_edit, 1);
    editRow->addWidget(m_eye);
    texts->addLayout(editRow);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_eye, &QPushButton::clicked, this, &VerifyPassword::toggleEcho);
    connect(ok, &QPushButton::clicked, this, &VerifyPassword::acceptPassword);
    connect(m_edit, &QLineEdit::returnPressed, this, &VerifyPassword::acceptPassword);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void VerifyPassword::toggleEcho()
{
    const bool hidden = m_edit->echoMode() == QLineEdit::Password;
    m_edit->setEchoMode(hidden ? QLineEdit::Normal : QLineEdit::Password);
    m_eye->setIcon(QIcon(hidden ? QStringLiteral(":/images/eye_off.png") : QStringLiteral(":/images/eye_on.png")));
}

void VerifyPassword::acceptPassword()
{
    m_password = m_edit->text();
    accept();
}
