#include "editing/directory_slots.h"

namespace rse {

SlotState DirectorySlotState(const Configuration& config, int slot) {
    const int used = DirectoryCount(config);
    if (slot <= used) return SlotState::Used;
    return slot == used + 1 ? SlotState::NextFree : SlotState::Locked;
}

void DeleteDirectoryEntry(Configuration& config, int slot) {
    if (slot < 1 || slot > kDirectoryCount) return;
    for (int k = slot; k < kDirectoryCount; ++k)
        config.Dir(k) = config.Dir(k + 1);
    config.Dir(kDirectoryCount) = DirectoryEntry{};
}

}  // namespace rse
