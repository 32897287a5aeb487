#include "tests/netport/ser2net_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace dtu::testing {

namespace {

using namespace std::chrono_literals;

constexpr const char* kServerPaths[] = {"/usr/sbin/ser2net", "/usr/bin/ser2net"};
constexpr auto kStartBound = 10s;

sockaddr_in Loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// Whether something listens on 127.0.0.1:`port`, from the kernel's table:
// connecting to find out would make the server open the terminal.
bool Listening(std::uint16_t port) {
    char local[32];
    std::snprintf(local, sizeof local, "0100007F:%04X", port);
    std::ifstream table("/proc/net/tcp");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot, address, remote, state;
        if (fields >> slot >> address >> remote >> state && address == local && state == "0A") {
            return true;
        }
    }
    return false;
}

std::string ServerPath() {
    for (const char* path : kServerPaths) {
        if (access(path, X_OK) == 0) {
            return path;
        }
    }
    return {};
}

}  // namespace

std::uint16_t FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

Ser2netServer::Ser2netServer(const std::string& devicePath) {
    const std::string server = ServerPath();
    if (server.empty()) {
        failure_ = "ser2net is not installed (scripts/install-deps.sh installs it)";
        return;
    }
    char pattern[] = "/tmp/dtu-ser2net-XXXXXX";
    dir_ = mkdtemp(pattern);
    rfcPort_ = FreeLoopbackPort();
    rawPort_ = FreeLoopbackPort();
    const std::string config = dir_ + "/ser2net.yaml";
    std::ofstream(config) << "%YAML 1.1\n---\n"
                          << "connection: &rfc2217\n"
                          << "  accepter: telnet(rfc2217),tcp,127.0.0.1," << rfcPort_ << "\n"
                          << "  connector: serialdev," << devicePath << ",115200n81,local\n"
                          << "connection: &raw\n"
                          << "  accepter: tcp,127.0.0.1," << rawPort_ << "\n"
                          << "  connector: serialdev," << devicePath << ",115200n81,local\n";
    const std::string pidFile = dir_ + "/ser2net.pid";
    const std::string log = dir_ + "/ser2net.log";
    // The child's freopen would write out what this process has buffered.
    std::fflush(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        // A test that crashes takes its server with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (freopen(log.c_str(), "w", stdout) == nullptr ||
            freopen(log.c_str(), "w", stderr) == nullptr) {
            _exit(127);
        }
        execl(server.c_str(), "ser2net", "-n", "-c", config.c_str(), "-P", pidFile.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    if (!WaitUntilListening()) {
        failure_ = "ser2net did not start listening; see " + log;
        Stop();
    }
}

Ser2netServer::~Ser2netServer() {
    Stop();
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
}

bool Ser2netServer::WaitUntilListening() {
    const auto deadline = std::chrono::steady_clock::now() + kStartBound;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;  // ended already
            return false;
        }
        if (Listening(rfcPort_) && Listening(rawPort_)) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

void Ser2netServer::Stop() {
    if (pid_ <= 0) {
        return;
    }
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace dtu::testing
