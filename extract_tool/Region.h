// Region and program settings: the region that selects the update service,
// the automatic update check, and whether a backup folder is deleted after a
// complete extraction. Shown at the first start and from "Settings".
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class Region : public QDialog {
    Q_OBJECT
public:
    explicit Region(QWidget *parent = nullptr);

    QComboBox *regionCombo() const { return m_regionCombo; }
    QCheckBox *autoCheckBox() const { return m_autoCheck; }
    QCheckBox *deleteArchiveBox() const { return m_deleteArchive; }
    QComboBox *deleteModeCombo() const { return m_deleteMode; }
    QPushButton *applyButton() const { return m_apply; }

signals:
    void initContinueSignal();

public slots:
    // Presets every control from the stored settings.
    void initContinue();
    // Stores the choices and closes; stays open when they cannot be stored.
    void applyClicked();
    void regionLinkClicked();
    void deleteArchiveStateChanged(int state);

private:
    QLabel *sectionTitle(const QString &text);

    QComboBox *m_regionCombo;
    QCheckBox *m_autoCheck;
    QCheckBox *m_deleteArchive;
    QComboBox *m_deleteMode;
    QPushButton *m_apply;
};
