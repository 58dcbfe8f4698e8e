// OrvexExTool: the desktop program. A first start shows the main window; a
// later start hands its folder argument to the running one and ends.
#include "MainWindow.h"

#include "AppPaths.h"
#include "InstanceGuard.h"
#include "SingleApp.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QTextCodec>
#include <QTimer>

#include <memory>

namespace {

QString loadStyleSheet()
{
    QFile qss(QStringLiteral(":/images/myStyle.qss"));
    if (!qss.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(qss.readAll());
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    InstanceGuard guard;
    if (!guard.tryToRun()) {
        QApplication app(argc, argv);
        app.setStyleSheet(loadStyleSheet());
        const QStringList args = QCoreApplication::arguments();
        const QString folder = args.size() >= 2 ? AppPaths::folderArgument(args.at(1)) : QString();
        SingleAppClient client;
        client.sendPath(folder);
        return 0;
    }

    QApplication app(argc, argv);
    app.setStyleSheet(loadStyleSheet());
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("Orvex Extract Tool"));
    QApplication::setOrganizationDomain(QStringLiteral("halvern.example"));
    QApplication::setFont(QFont(QStringLiteral("Microsoft JhengHei UI"), 9));
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));

    int ret = 0;
    {
        MainWindow window;
        auto server = std::make_unique<SingleAppServer>();
        QObject::connect(server.get(), &SingleAppServer::sigShowWindowReq, &window, &MainWindow::slotSingleApp);
        window.show();

        // Used by the start-up smoke test and the screenshot script: quit on its own.
        bool ok = false;
        const int exitAfter = qEnvironmentVariableIntValue("ORVEX_EXIT_AFTER_START_MS", &ok);
        if (ok)
            QTimer::singleShot(exitAfter, &app, [&window] { window.quitWithoutAsking(); });
        ret = app.exec();
        server.reset();
    }
    return ret;
}
