// The radio's side of the clone protocol, as the virtual radio plays it: a 4096-byte memory
// behind the programming cable, answering the four commands, with faults that tests can
// switch on. No I/O here; the caller moves the bytes.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "image/memory_image.h"

namespace rse::sim {

struct RadioFaults {
    // Address -> how many of the next answers for it are spoiled (default 1: the first).
    std::map<int, int> badChecksum;  // reply with a wrong checksum
    std::map<int, int> noReply;      // read request left unanswered
    std::map<int, int> noAck;        // write stored but not acknowledged
    std::map<int, int> loseWrite;    // write acknowledged but not stored
    // Close the line when a block command arrives after this many blocks were served.
    std::optional<int> cutAfterBlocks;
    // Junk bytes sent before every reply and ACK.
    int junkBytes = 0;
};

struct RadioOutput {
    std::vector<std::uint8_t> bytes;  // echo and answers, in the order they go on the line
    bool memoryWritten = false;       // a write command changed the memory
    bool cutLine = false;             // the cable is pulled now: close the line
};

class RadioDevice {
  public:
    RadioDevice(const MemoryImage& memory, RadioFaults faults, bool echo,
                std::optional<std::uint16_t> modelCode = std::nullopt);

    // Takes bytes from the line and adds what goes back to out. After cutLine the rest of
    // the input is ignored.
    void Receive(std::span<const std::uint8_t> input, RadioOutput& out);

    const MemoryImage& Memory() const { return memory_; }
    // The faults still to come (each used one is gone).
    const RadioFaults& Faults() const { return faults_; }
    int BlocksServed() const { return blocksServed_; }
    int CommandsServed() const { return commandsServed_; }

  private:
    void Command(RadioOutput& out);
    void Reply(std::uint8_t code, std::span<const std::uint8_t> data, int address,
               RadioOutput& out);
    void Ack(int address, RadioOutput& out);
    void Junk(RadioOutput& out) const;
    bool CutNow(RadioOutput& out);
    static bool Take(std::map<int, int>& fault, int address);
    std::uint8_t ReadMemory(int address) const;

    MemoryImage memory_;
    RadioFaults faults_;
    bool echo_;
    std::optional<std::uint16_t> modelCode_;
    bool inFrame_ = false;
    bool cut_ = false;
    std::vector<std::uint8_t> frame_;
    int blocksServed_ = 0;
    int commandsServed_ = 0;
};

}  // namespace rse::sim
