// Where the editor keeps the files it writes by itself: the default file ("Save As Default")
// and err.log. It is read back from the same place.
#pragma once

#include <QString>

namespace rse {

// The name of the file that the build puts beside the programs in the build folder; an
// installed program never has it beside itself.
inline constexpr char kBuildFolderMarker[] = "rse-build-folder";

// A program run from its build folder (the marker file beside it) keeps the files beside
// itself when that folder is writable, else in the per-user data folder. An installed
// program always keeps them in the per-user data folder ($XDG_DATA_HOME/rse, for root too),
// so that nothing unknown to the package manager lands beside it.
// `programFolder` defaults to the running program's folder; tests pass their own.
QString EditorDataFolder(const QString& programFolder = {});

}  // namespace rse
