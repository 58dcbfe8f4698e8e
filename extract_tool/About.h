// About: the maker's logo, the program's icon, name and version, a link to
// the maker's web site and a line naming the maker.
#pragma once

#include <QDialog>

class QPushButton;

class About : public QDialog {
    Q_OBJECT
public:
    About(const QString &version, QWidget *parent = nullptr);

    QPushButton *linkButton() const { return m_link; }
    QPushButton *closeButton() const { return m_close; }

signals:
    void initContinueSignal();

public slots:
    void initContinue();
    void halvernLinkClicked();

private:
    QPushButton *m_link;
    QPushButton *m_close;
};
