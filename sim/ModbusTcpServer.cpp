#include "sim/ModbusTcpServer.h"

#include "sim/PlcRequest.h"

#include <modbus/modbus.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace varkel::sim {
namespace {

// Unanswered input a client may have waiting, and answers it may leave
// unread, before it counts as flooding.
constexpr std::size_t kMostPendingIn = 4096;
constexpr std::size_t kMostPendingOut = 65536;

struct Client {
    int fd = -1;
    std::vector<std::uint8_t> in;
    std::vector<std::uint8_t> out;
};

// Sends what it can without waiting; false when the connection is gone.
bool Flush(Client& c) {
    while (!c.out.empty()) {
        const ssize_t n = ::send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            c.out.erase(c.out.begin(), c.out.begin() + n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return true;
        return false;
    }
    return true;
}

} // namespace

ModbusTcpServer::ModbusTcpServer(Handler handler) : handler_(std::move(handler)) {}

ModbusTcpServer::~ModbusTcpServer() {
    Stop();
}

bool ModbusTcpServer::ParseAddress(const std::string& text, std::string& host, int& port) {
    const auto colon = text.rfind(':');
    host = colon == std::string::npos ? "" : text.substr(0, colon);
    const std::string digits = colon == std::string::npos ? text : text.substr(colon + 1);
    if (host.empty() || host == "localhost")
        host = "127.0.0.1";
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(digits);
    in_addr probe{};
    return port <= 65535 && ::inet_pton(AF_INET, host.c_str(), &probe) == 1;
}

bool ModbusTcpServer::Start(const std::string& address, std::string* error) {
    Stop();
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        Stop();
        return false;
    };
    if (!ParseAddress(address, host_, port_))
        return fail(address);
    modbus_t* context = modbus_new_tcp(host_.c_str(), port_);
    if (!context)
        return fail(address + ": " + modbus_strerror(errno));
    listen_ = modbus_tcp_listen(context, 8);
    const int listenError = errno;
    modbus_free(context); // the listening socket stays ours
    if (listen_ < 0)
        return fail(address + ": " + modbus_strerror(listenError));
    ::fcntl(listen_, F_SETFD, FD_CLOEXEC);
    ::fcntl(listen_, F_SETFL, ::fcntl(listen_, F_GETFL) | O_NONBLOCK);
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (::getsockname(listen_, reinterpret_cast<sockaddr*>(&bound), &length) == 0)
        port_ = ntohs(bound.sin_port);
    if (::pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(std::strerror(errno));
    thread_ = std::thread([this] { Run(); });
    return true;
}

void ModbusTcpServer::Stop() {
    if (thread_.joinable()) {
        const char c = 0;
        [[maybe_unused]] auto n = ::write(wake_[1], &c, 1);
        thread_.join();
    }
    for (int& fd : wake_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    if (listen_ >= 0)
        ::close(listen_);
    listen_ = -1;
}

void ModbusTcpServer::Run() {
    std::vector<Client> clients;
    auto drop = [&](std::size_t i, bool misbehaved) {
        ::close(clients[i].fd);
        clients.erase(clients.begin() + static_cast<long>(i));
        if (misbehaved)
            ++dropped_;
    };
    for (;;) {
        std::vector<pollfd> fds{{wake_[0], POLLIN, 0}, {listen_, POLLIN, 0}};
        for (const Client& c : clients)
            fds.push_back({c.fd, static_cast<short>(POLLIN | (c.out.empty() ? 0 : POLLOUT)), 0});
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[0].revents)
            break;
        // Clients first, by position, before the list changes.
        for (std::size_t i = clients.size(); i-- > 0;) {
            const short events = fds[i + 2].revents;
            Client& c = clients[i];
            bool keep = true, misbehaved = false;
            if (events & POLLIN) {
                std::uint8_t chunk[1024];
                const ssize_t n = ::recv(c.fd, chunk, sizeof chunk, MSG_DONTWAIT);
                if (n > 0)
                    c.in.insert(c.in.end(), chunk, chunk + n);
                else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                    keep = false;
            } else if (events & (POLLHUP | POLLERR | POLLNVAL)) {
                keep = false;
            }
            while (keep) {
                const long length = ModbusTcpFrameLength(c.in.data(), c.in.size());
                if (length < 0) {
                    keep = false;
                    misbehaved = true;
                    break;
                }
                if (length == 0 || static_cast<std::size_t>(length) > c.in.size())
                    break;
                const std::vector<std::uint8_t> answer =
                    handler_(c.in.data(), static_cast<std::size_t>(length));
                c.in.erase(c.in.begin(), c.in.begin() + length);
                if (answer.empty()) {
                    keep = false;
                    misbehaved = true;
                    break;
                }
                c.out.insert(c.out.end(), answer.begin(), answer.end());
            }
            if (keep && !Flush(c))
                keep = false;
            if (keep && (c.in.size() > kMostPendingIn || c.out.size() > kMostPendingOut)) {
                keep = false;
                misbehaved = true;
            }
            if (!keep)
                drop(i, misbehaved);
        }
        if (fds[1].revents & POLLIN) {
            const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd >= 0) {
                if (clients.size() >= kMaxClients) {
                    ::close(fd);
                } else {
                    const int on = 1;
                    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
                    clients.push_back(Client{fd, {}, {}});
                }
            }
        }
    }
    for (Client& c : clients)
        ::close(c.fd);
}

} // namespace varkel::sim
