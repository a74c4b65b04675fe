// Shared by the programs that save pictures of the editor's windows for a look by eye.
#pragma once

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QWidget>

namespace rse::tools {

// Saves a picture of `w` as DIR/NAME.png and says so on standard output.
inline bool Save(QWidget* w, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "saved" : "FAILED", qPrintable(path));
    return ok;
}

}  // namespace rse::tools
