// Deletes a backup folder after a complete "Extract All" (when the settings
// ask for it). A symbolic link inside the folder, or in its place, is
// removed as a link; what it points to is never touched.
#pragma once

#include <QString>
#include <QThread>

class RemoveVeskFileThread : public QThread {
    Q_OBJECT
public:
    explicit RemoveVeskFileThread(const QString &path, QObject *parent = nullptr);
    QString path() const { return m_path; }

signals:
    void removeVeskFinshedSignal(bool ret, QString path);

protected:
    void run() override;

private:
    const QString m_path;
};
