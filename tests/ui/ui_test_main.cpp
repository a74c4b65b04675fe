// Runs the window tests on the offscreen platform with the settings kept in the test's own
// folder: a test run without XDG_CONFIG_HOME under its own folder refuses to start.
#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QByteArray home = qgetenv("RSE_UI_TEST_HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    if (home.isEmpty() || !config.startsWith(home)) {
        std::fprintf(stderr, "run through ctest: RSE_UI_TEST_HOME and XDG_CONFIG_HOME below it\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(config));
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty()) {
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
