// The folder chooser for backup folders ("Open VESK Folder").
#pragma once

#include <QString>

class QWidget;

// Starts in the home folder, folders only, links not resolved; "" when cancelled.
QString chooseVeskFolder(QWidget *parent);
