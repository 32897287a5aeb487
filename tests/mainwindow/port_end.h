#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <QByteArray>
#include <string>

// A pseudo-terminal whose far end reads what the window writes to the port.
class PortEnd {
public:
    PortEnd() {
        char name[128] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0) {
            path_ = name;
            fcntl(master_, F_SETFL, O_NONBLOCK);
        }
    }
    ~PortEnd() {
        if (master_ >= 0) {
            ::close(master_);
            ::close(slave_);
        }
    }
    const std::string& Path() const { return path_; }
    bool Write(const QByteArray& bytes) {
        return ::write(master_, bytes.data(), static_cast<std::size_t>(bytes.size())) ==
               bytes.size();
    }

    // What arrived within a generous bound once the first byte came.
    QByteArray Read() {
        QByteArray bytes;
        pollfd wait{master_, POLLIN, 0};
        for (int timeout = 5000; poll(&wait, 1, timeout) > 0; timeout = 200) {
            char chunk[256];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            if (n <= 0) {
                break;
            }
            bytes.append(chunk, n);
        }
        return bytes;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};
