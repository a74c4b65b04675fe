#include "model/configuration.h"

namespace rse {

int DirectoryCount(const Configuration& config) {
    for (int i = 1; i <= kDirectoryCount; ++i) {
        if (!config.Dir(i).Enable) return i - 1;
    }
    return kDirectoryCount;
}

void ClearDirectory(Configuration& config) {
    for (DirectoryEntry& e : config.CHMMSID)
        e = DirectoryEntry{};
}

}  // namespace rse
