// The busy dialog shown while a folder opens: an animation, "Please wait..."
// and Cancel. Rejecting it (Cancel, or the worker's finished signal) closes it.
#pragma once

#include <QDialog>

class QLabel;
class QMovie;
class QPushButton;

class WaitingDialog : public QDialog {
    Q_OBJECT
public:
    explicit WaitingDialog(QWidget *parent = nullptr);

signals:
    void closewait();

public slots:
    void cancelButtonClicked();

private:
    QMovie *m_movie;
    QLabel *m_text;
    QPushButton *m_cancel;
};
