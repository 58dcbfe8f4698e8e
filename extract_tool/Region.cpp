#include "Region.h"

#include "Hcommon/Retranslate.h"

#include "Hcommon/MessageBox.h"
#include "LanguageTable.h"
#include "OrvexExToolSettings.h"
#include "WebLinks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Region::Region(QWidget *parent)
    : QDialog(parent), m_regionCombo(new QComboBox(this)), m_autoCheck(new QCheckBox(this)),
      m_deleteArchive(new QCheckBox(this)), m_deleteMode(new QComboBox(this)), m_apply(new QPushButton(this))
{
    setObjectName(QStringLiteral("regionDialog"));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    setMinimumWidth(520);

    m_regionCombo->addItem(QString(), 1);
    m_regionCombo->addItem(QString(), 2);
    auto *regionText = new QLabel(this);
    const char *regionTextSource = QT_TR_NOOP("In compliance with regional Internet service regulations, Halvern configures "
                                     "services according to your region. Please provide your region information to "
                                     "ensure better connection quality.");
    regionText->setWordWrap(true);
    auto *regionLink = new QLabel(this);
    regionLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);

    auto *info = new QLabel(this);
    info->setPixmap(QPixmap(QStringLiteral(":/images/funtion_info.png")));
    const char *infoSource = QT_TR_NOOP("The .vesk folder is deleted after the extraction process completes. This option is only "
                        "applied when extracting the entire folder by selecting Extract All from the context menu.");
    m_deleteMode->addItem(QString(), 1);
    m_deleteMode->addItem(QString(), 2);
    m_deleteMode->setEnabled(false);

    m_apply->setObjectName(QStringLiteral("primaryButton"));
    m_apply->setDefault(true);

    auto *deleteRow = new QHBoxLayout;
    deleteRow->addWidget(m_deleteArchive);
    deleteRow->addWidget(info);
    deleteRow->addStretch(1);
    auto *modeRow = new QHBoxLayout;
    modeRow->addSpacing(24);
    modeRow->addWidget(m_deleteMode);
    modeRow->addStretch(1);
    auto *regionRow = new QHBoxLayout;
    regionRow->addWidget(m_regionCombo);
    regionRow->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_apply);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    QLabel *regionTitle = sectionTitle(QString());
    layout->addWidget(regionTitle);
    layout->addLayout(regionRow);
    layout->addWidget(regionText);
    layout->addWidget(regionLink);
    layout->addSpacing(12);
    QLabel *updateTitle = sectionTitle(QString());
    layout->addWidget(updateTitle);
    layout->addWidget(m_autoCheck);
    layout->addSpacing(12);
    QLabel *extractionTitle = sectionTitle(QString());
    layout->addWidget(extractionTitle);
    layout->addLayout(deleteRow);
    layout->addLayout(modeRow);
    layout->addSpacing(16);
    layout->addStretch(1);
    layout->addLayout(buttons);

    Hcommon::bindText(this, [=, this] {
        setWindowTitle(tr("Region"));
        m_regionCombo->setItemText(0, tr("Global"));
        m_regionCombo->setItemText(1, tr("China"));
        regionText->setText(tr(regionTextSource));
        regionLink->setText(QStringLiteral("<a href=\"region\">%1</a>").arg(tr("Learn more about this")));
        m_autoCheck->setText(tr("Automatically check for updates"));
        m_deleteArchive->setText(tr("Delete .vesk folder after extraction"));
        info->setToolTip(tr(infoSource));
        m_deleteMode->setItemText(0, tr("Confirm before deleting"));
        m_deleteMode->setItemText(1, tr("Delete without asking"));
        m_apply->setText(tr("Apply"));
        regionTitle->setText(tr("Region"));
        updateTitle->setText(tr("Version Update"));
        extractionTitle->setText(tr("Extraction Settings"));
    });

    connect(regionLink, &QLabel::linkActivated, this, &Region::regionLinkClicked);
    connect(m_deleteArchive, &QCheckBox::stateChanged, this, &Region::deleteArchiveStateChanged);
    connect(m_apply, &QPushButton::clicked, this, &Region::applyClicked);
    connect(this, &Region::initContinueSignal, this, &Region::initContinue, Qt::QueuedConnection);
    emit initContinueSignal();
}

QLabel *Region::sectionTitle(const QString &text)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(QStringLiteral("dialogSection"));
    return l;
}

void Region::initContinue()
{
    OrvexExToolSettings *settings = OrvexExToolSettings::instance();
    settings->loadGlobalSettingsInfo();
    const auto &g = settings->global();
    const int regionIndex = m_regionCombo->findData(g.region);
    m_regionCombo->setCurrentIndex(regionIndex >= 0 ? regionIndex : 0);
    m_autoCheck->setChecked(g.autoCheckUpdates);
    // Presetting a stored choice is not a new choice: no warning.
    {
        const QSignalBlocker quiet(m_deleteArchive);
        m_deleteArchive->setChecked(g.deleteArchive != 0);
    }
    const int modeIndex = m_deleteMode->findData(g.deleteArchive);
    m_deleteMode->setCurrentIndex(modeIndex >= 0 ? modeIndex : 0);
    m_deleteMode->setEnabled(m_deleteArchive->isChecked());
}

void Region::deleteArchiveStateChanged(int state)
{
    if (state == Qt::Checked) {
        QMessageBox box(QMessageBox::Warning, tr("Orvex Extract Tool"),
                        tr("Selecting this option will delete the .vesk folder after the extraction process "
                           "completes. Deleted folders cannot be restored."),
                        QMessageBox::NoButton, this, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
        box.addButton(tr("I understand"), QMessageBox::AcceptRole);
        Hcommon::styleMessageBox(&box);
        box.exec();
    }
    m_deleteMode->setEnabled(state == Qt::Checked);
}

void Region::applyClicked()
{
    OrvexExToolSettings *settings = OrvexExToolSettings::instance();
    OrvexExToolSettings::GlobalSettings info = settings->global();
    info.region = m_regionCombo->currentData().toInt();
    info.autoCheckUpdates = m_autoCheck->isChecked();
    info.deleteArchive = m_deleteArchive->isChecked() ? m_deleteMode->currentData().toInt() : 0;
    const int mask =
        OrvexExToolSettings::RegionField | OrvexExToolSettings::AutoCheckUpdatesField | OrvexExToolSettings::DeleteArchiveField;
    const int actions[4] = {OrvexExToolSettings::KeepInMemory, OrvexExToolSettings::WriteValue,
                            OrvexExToolSettings::WriteValue, OrvexExToolSettings::WriteValue};
    if (!settings->updateGlobalSettingsInfo(info, mask, actions)) {
        Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"), tr("The settings could not be saved."),
                             QMessageBox::Close, this);
        return;
    }
    accept();
}

void Region::regionLinkClicked()
{
    const QString tag = LanguageTable::webLanguageTag(OrvexExToolSettings::instance()->languageCode());
    QDesktopServices::openUrl(WebLinks::regionExplanation(tag));
}
