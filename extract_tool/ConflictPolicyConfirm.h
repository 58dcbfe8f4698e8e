// A question with an icon and a choice of buttons, each ending the dialog
// with its own code; used to choose what an extraction does with files that
// already exist at the destination.
#pragma once

#include <QDialog>

class QLabel;

class ConflictPolicyConfirm : public QDialog {
    Q_OBJECT
public:
    enum Button : int {
        Ok = 0x400,
        Yes = 0x4000,
        YesToAll = 0x8000,
        No = 0x10000,
        NoToAll = 0x20000,
        Retry = 0x80000,
        Cancel = 0x400000,
        Replace = 0x1000000,
        ReplaceAll = 0x2000000,
        Skip = 0x4000000,
        SkipAll = 0x8000000,
        Rename = 0x10000000,
        RenameAll = 0x20000000,
    };
    enum Icon { Information, Warning, Critical, Question };

    // `buttons` is an OR of Button values; exec() returns the code of the
    // button clicked, or 0 when the dialog was closed otherwise.
    ConflictPolicyConfirm(const QString &title, const QString &text, int buttons, Icon icon,
                          QWidget *parent = nullptr);

    // The conflict policy of a code: Replace All 1, Rename All 2, else 0 (skip).
    static int policyFor(int code);

private:
    QLabel *m_text;
};
