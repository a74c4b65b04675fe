// Runs the window tests on the offscreen platform with settings, data and runtime folders of
// their own: a fresh temporary home per process (ctest runs each test in a process of its
// own), removed at the end, so that no test sees another's settings or touches the user's.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <utility>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/rse-ui-test-XXXXXX"));
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make a temporary home: %s\n", qPrintable(home.errorString()));
        return 2;
    }
    for (const auto& [variable, folder] :
         {std::pair{"XDG_CONFIG_HOME", "config"}, std::pair{"XDG_DATA_HOME", "data"},
          std::pair{"XDG_RUNTIME_DIR", "runtime"}, std::pair{"XDG_CACHE_HOME", "cache"}}) {
        const QString path = home.filePath(QLatin1String(folder));
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(variable, QFile::encodeName(path));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rse"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
