#include "Hcommon/FolderDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

QString chooseVeskFolder(QWidget *parent)
{
    return QFileDialog::getExistingDirectory(parent, QCoreApplication::translate("MainWindow", "Open VESK Folder"),
                                             QDir::homePath(),
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}
