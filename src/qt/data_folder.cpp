#include "qt/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace rse {

QString EditorDataFolder(const QString& programFolder) {
    const QString program =
        programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
    const QFileInfo folder(program);
    const bool inBuildFolder =
        !program.isEmpty() &&
        QFileInfo(QDir(program).filePath(QLatin1String(kBuildFolderMarker))).isFile();
    if (inBuildFolder && folder.isDir() && folder.isWritable()) return program;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("rse"));
}

}  // namespace rse
