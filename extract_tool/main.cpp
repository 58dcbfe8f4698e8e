// OrvexExTool: the desktop program. The start-up sequence grows with the
// program's windows; this keeps the target building and starting.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Orvex");
    QApplication::setApplicationName("OrvexExTool");

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Orvex Extract Tool"));
    window.setCentralWidget(new QLabel(QObject::tr("Open a backup folder to begin."), &window));
    window.resize(960, 640);
    window.show();

    // Used by the start-up smoke test and the screenshot script: quit on its own.
    bool ok = false;
    int exitAfter = qEnvironmentVariableIntValue("ORVEX_EXIT_AFTER_START_MS", &ok);
    if (ok)
        QTimer::singleShot(exitAfter, &app, &QApplication::quit);
    return app.exec();
}
