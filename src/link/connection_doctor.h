// The connection check: finds out why a transfer cannot reach the radio and says how to mend
// it. The checks run in order: the device exists, it is a serial device, this user may open
// it, nobody else holds it, no known program takes USB serial adapters away, the cable
// echoes, and the radio answers the model check. The radio's memory is only read (the model
// code at addresses 0 and 1), never written.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "link/byte_link.h"
#include "link/system_facts.h"
#include "model/texts.h"

namespace rse {

enum class CheckLevel { Ok, Warning, Problem };

struct CheckLine {
    CheckLevel level = CheckLevel::Ok;
    std::string text;  // what was found, naming the device
    std::string fix;   // the command or action that mends it; always given for a problem
    // The same two texts as marked source texts, for the programs to translate.
    Phrase what{};
    Phrase howToFix{};

    // "ok: TEXT", "warning: TEXT" or "problem: TEXT", then "fix: FIX" on its own line.
    std::string Format() const;
};

struct DoctorReport {
    std::vector<CheckLine> lines;
    bool cancelled = false;

    bool HasProblem() const;
};

struct DoctorEnvironment {
    SystemFacts& facts;
    ByteLink& link;  // the serial port of the device to check
    Clock& clock;
    const std::atomic<bool>& cancel;
    bool noEcho = false;  // the user says the cable does not echo (--no-echo, /DE)
    // Called with every line as soon as it is known.
    std::function<void(const CheckLine&)> onLine{};
};

// Checks `device` (a path, as the user gave it); the link must talk to the same device.
DoctorReport RunConnectionDoctor(const std::string& device, const DoctorEnvironment& env);

// The lock file names a serial port program uses for a device: LCK.. followed by the path
// without "/dev/" and with "/" turned into "_", in the usual lock folders.
std::vector<std::string> LockFileCandidates(const std::string& device);
// The process number a lock file names (text form), or 0.
int LockFilePid(const std::string& text);

}  // namespace rse
