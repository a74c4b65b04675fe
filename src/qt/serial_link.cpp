#include "qt/serial_link.h"

#include "link/com_ports.h"

#include <QFile>
#include <QSerialPort>

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

#include <thread>

namespace rse {

namespace {

constexpr int kWriteTimeoutMs = 2000;
// Ten bits a byte at 9600 baud.
constexpr std::chrono::microseconds kByteTime{1042};

// A pulled cable shows as a hang-up on the descriptor or as a device node that is gone,
// whichever error the port happened to report first (a failed read, write or resource).
bool LineHungUp(const QSerialPort& port, const QString& path) {
    if (!QFile::exists(path)) return true;
    pollfd fd{static_cast<int>(port.handle()), 0, 0};
    return ::poll(&fd, 1, 0) == 1 && (fd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

std::string HangUpText(const QString& path) {
    return QFile::exists(path) ? "the line hung up" : "the line hung up and the device is gone";
}

}  // namespace

QString PortPathFor(const QString& port) {
    const int comNum = ComNumber(port.toStdString());
    return comNum == 0 ? port : QString::fromStdString(DefaultComDevice(comNum));
}

QtSerialLink::QtSerialLink(QString path) : path_(std::move(path)) {}

QtSerialLink::~QtSerialLink() {
    Close();
}

std::string QtSerialLink::Name() const {
    return QFile::encodeName(path_).toStdString();
}

bool QtSerialLink::Open(LinkOpenError& error) {
    if (IsOpen()) return true;
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(path_);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError code = port->error();
        error.code = static_cast<int>(code);
        error.reason = port->errorString().toStdString();
        if (code == QSerialPort::PermissionError) {
            // The device itself refuses us, or another program holds the port's lock.
            const QByteArray local = QFile::encodeName(path_);
            if (::access(local.constData(), R_OK | W_OK) != 0) {
                error.permissionDenied = true;
            } else {
                error.reason += " (the port is in use by another program)";
            }
        }
        if (error.reason.empty()) error.reason = "unknown error";
        return false;
    }
    port->clear();
    port->clearError();
    port_ = std::move(port);
    lastError_.clear();
    return true;
}

void QtSerialLink::Close() {
    if (!port_) return;
    port_->close();
    port_.reset();
}

bool QtSerialLink::IsOpen() const {
    return port_ && port_->isOpen();
}

void QtSerialLink::DiscardInput() {
    if (!IsOpen()) return;
    port_->clear(QSerialPort::Input);
    port_->readAll();  // what the port had buffered before the system's queue was flushed
    port_->clearError();
}

std::size_t QtSerialLink::BytesAvailable() {
    return IsOpen() ? static_cast<std::size_t>(port_->bytesAvailable()) : 0;
}

std::size_t QtSerialLink::Read(std::span<std::uint8_t> out) {
    if (!IsOpen() || out.empty()) return 0;
    const qint64 n =
        port_->read(reinterpret_cast<char*>(out.data()), static_cast<qint64>(out.size()));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool QtSerialLink::Failed() {
    const QSerialPort::SerialPortError code = port_->error();
    if (code == QSerialPort::NoError || code == QSerialPort::TimeoutError) {
        port_->clearError();
        return false;
    }
    // After a hang-up the system's error text is a stale one ("Inappropriate ioctl for
    // device" from an earlier call): say what happened instead.
    const std::string system = port_->errorString().toStdString();
    switch (code) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
            lastError_ = HangUpText(path_);
            break;
        case QSerialPort::WriteError:
            lastError_ = LineHungUp(*port_, path_)
                             ? HangUpText(path_)
                             : "the device does not take any more data (" + system + ")";
            break;
        default:
            lastError_ = system;
            break;
    }
    return true;
}

bool QtSerialLink::Write(std::span<const std::uint8_t> bytes) {
    if (!IsOpen()) {
        lastError_ = "the port is not open";
        return false;
    }
    const qint64 n = port_->write(reinterpret_cast<const char*>(bytes.data()),
                                  static_cast<qint64>(bytes.size()));
    if (n != static_cast<qint64>(bytes.size())) {
        Failed();
        if (lastError_.empty()) lastError_ = "write failed";
        return false;
    }
    // Hand the bytes to the system now; there is no event loop to do it later.
    while (port_->bytesToWrite() > 0) {
        if (!port_->waitForBytesWritten(kWriteTimeoutMs)) {
            if (!Failed()) {
                lastError_ = LineHungUp(*port_, path_) ? HangUpText(path_)
                                                       : "the port does not take the bytes";
            }
            return false;
        }
    }
    return true;
}

std::size_t QtSerialLink::Queued() const {
    int queued = 0;
    if (::ioctl(static_cast<int>(port_->handle()), FIONREAD, &queued) != 0) return 0;
    return queued > 0 ? static_cast<std::size_t>(queued) : 0;
}

LinkWait QtSerialLink::WaitForData(Millis maxWait, std::size_t wanted) {
    if (!IsOpen()) return LinkWait::Broken;
    using std::chrono::steady_clock;
    const auto deadline = steady_clock::now() + maxWait;
    const auto left = [&deadline] {
        return std::chrono::duration_cast<std::chrono::microseconds>(deadline -
                                                                     steady_clock::now());
    };
    // What the caller needs cannot come faster than the line carries it: sleep through the
    // line time of the bytes still missing (never beyond maxWait) and take them in one
    // wake-up. Only a single byte, which may come at any moment, is awaited on the port.
    const std::size_t queued = Queued();
    if (wanted > queued + 1 && left().count() > 0) {
        std::this_thread::sleep_for(
            std::min<std::chrono::microseconds>(kByteTime * (wanted - queued), left()));
    }
    const qint64 before = port_->bytesAvailable();
    const auto waitMs =
        std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(left()).count());
    if (!port_->waitForReadyRead(static_cast<int>(waitMs))) {
        return Failed() ? LinkWait::Broken : LinkWait::Timeout;
    }
    // A read of nothing means the far end hung up.
    if (port_->bytesAvailable() <= before && Failed()) return LinkWait::Broken;
    return LinkWait::DataReady;
}

std::string QtSerialLink::LastError() const {
    return lastError_;
}

TimePoint SteadyClock::Now() {
    return std::chrono::steady_clock::now();
}

void SteadyClock::Sleep(Millis duration) {
    std::this_thread::sleep_for(duration);
}

}  // namespace rse
