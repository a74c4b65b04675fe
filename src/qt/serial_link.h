// The byte link on a real serial port (QSerialPort, 9600 baud 8N1, no flow control), the
// system clock, and the mapping of the COM1..COM4 port names onto device paths.
#pragma once

#include <QString>

#include <memory>

#include "link/byte_link.h"

class QSerialPort;

namespace rse {

// COM1..COM4 (any letter case) map to /dev/ttyUSB0..3; any other text is taken as a device
// path as it stands.
QString PortPathFor(const QString& port);

// Creates its own QSerialPort in the thread that opens it; use it from that thread only.
class QtSerialLink : public ByteLink {
  public:
    explicit QtSerialLink(QString path);
    ~QtSerialLink() override;
    QtSerialLink(const QtSerialLink&) = delete;
    QtSerialLink& operator=(const QtSerialLink&) = delete;

    std::string Name() const override;
    bool Open(LinkOpenError& error) override;
    void Close() override;
    bool IsOpen() const override;
    void DiscardInput() override;
    std::size_t BytesAvailable() override;
    std::size_t Read(std::span<std::uint8_t> out) override;
    bool Write(std::span<const std::uint8_t> bytes) override;
    LinkWait WaitForData(Millis maxWait, std::size_t wanted) override;
    std::string LastError() const override;

  private:
    bool Failed();
    // Bytes the system holds for the port that it has not read yet.
    std::size_t Queued() const;

    QString path_;
    std::unique_ptr<QSerialPort> port_;
    std::string lastError_;
};

// The steady clock; Sleep blocks the calling thread.
class SteadyClock : public Clock {
  public:
    TimePoint Now() override;
    void Sleep(Millis duration) override;
};

}  // namespace rse
