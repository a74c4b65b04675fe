// The slots of the individual directory: used entries form an unbroken run from slot 1, the
// slot after them is the only one where an entry can be added, the rest are locked.
#pragma once

#include "model/configuration.h"

namespace rse {

enum class SlotState { Used, NextFree, Locked };

// The state of slot 1..20.
SlotState DirectorySlotState(const Configuration& config, int slot);

// Removes the entry of a slot: the later entries move up by one and slot 20 becomes empty.
void DeleteDirectoryEntry(Configuration& config, int slot);

}  // namespace rse
