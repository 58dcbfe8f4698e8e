// The password dialog of an encrypted backup folder.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class VerifyPassword : public QDialog {
    Q_OBJECT
public:
    explicit VerifyPassword(QWidget *parent = nullptr);
    QString password() const { return m_password; }
    QLineEdit *lineEdit() const { return m_edit; }

    // The characters a password may hold: ASCII letters, digits, space and
    // common punctuation.
    static const char *kAllowedPattern;

private slots:
    void toggleEcho();
    void acceptPassword();

private:
    QLineEdit *m_edit;
    QPushButton *m_eye;
    QString m_password;
};
