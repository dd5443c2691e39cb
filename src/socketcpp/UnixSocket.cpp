#include "socketcpp/UnixSocket.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/un.h>
#include <unistd.h>

// Checked in release builds too: these are caller bugs that must not turn
// into a write to a random descriptor or an unnamed socket.
#define LUMO_REQUIRE(cond)                                                                                             \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(                                                                                              \
                stderr, "[%s][%s][%d] programming error: %s\n", __FILE__, __PRETTY_FUNCTION__, __LINE__, #cond);       \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace lumo {

namespace {

// Fills a zeroed record with at most kMaxAddress bytes of the address. The
// full record length is always used, so both ends of an abstract name must
// come through here to match (the name includes its zero padding).
socklen_t makeAddress(sockaddr_un& addr, const std::string& address, int mode)
{
    std::memset(&addr, 0, sizeof(addr));
    addr.sun_family = AF_UNIX;
    const size_t n = std::min(address.size(), UnixSocket::kMaxAddress);
    char* dest = addr.sun_path + (mode == UnixSocket::kAbstract ? 1 : 0);
    std::memcpy(dest, address.data(), n);
    return sizeof(addr);
}

} // namespace

UnixSocket* UnixSocket::CreateSocket(int type, bool nonBlocking)
{
    const int flags = type | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0);
    const int fd = ::socket(AF_UNIX, flags, 0);
    if (fd < 0)
        return nullptr;
    UnixSocket* sock = new (std::nothrow) UnixSocket(fd, flags, false);
    if (!sock)
        ::close(fd);
    return sock;
}

UnixSocket::UnixSocket(int fd, int type, bool connected)
    : m_fd(fd)
    , m_type(type)
    , m_connected(connected)
{
}

UnixSocket::~UnixSocket() { Close(); }

int UnixSocket::GetSocket() { return m_fd; }

void UnixSocket::Close()
{
    m_connected = false;
    if (m_fd != -1)
        ::close(m_fd);
    m_fd = -1;
}

int UnixSocket::Bind(const std::string& address, int mode)
{
    LUMO_REQUIRE(!address.empty());
    sockaddr_un addr;
    const socklen_t len = makeAddress(addr, address, mode);
    // A stale socket file from an earlier run would make bind fail.
    if (mode != kAbstract)
        ::unlink(addr.sun_path);
    return ::bind(m_fd, reinterpret_cast<const sockaddr*>(&addr), len);
}

int UnixSocket::Listen(int backlog) { return ::listen(m_fd, backlog); }

UnixSocket* UnixSocket::Accept()
{
    const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | (m_type & SOCK_NONBLOCK));
    if (fd < 0)
        return nullptr;
    UnixSocket* peer = new (std::nothrow) UnixSocket(fd, m_type, true);
    if (!peer)
        ::close(fd);
    return peer;
}

int UnixSocket::Connect(const std::string& address) { return Connect(address, 0); }

int UnixSocket::Connect(const std::string& address, int mode)
{
    LUMO_REQUIRE(!address.empty());
    sockaddr_un addr;
    const socklen_t len = makeAddress(addr, address, mode);
    if (::connect(m_fd, reinterpret_cast<const sockaddr*>(&addr), len) != 0)
        return -1;
    m_connected = true;
    return 0;
}

ssize_t UnixSocket::Read(void* buf, size_t len)
{
    LUMO_REQUIRE(buf != nullptr);
    const ssize_t n = ::read(m_fd, buf, len);
    if (n < 0)
        m_connected = false;
    return n;
}

ssize_t UnixSocket::Write(const void* buf, size_t len)
{
    LUMO_REQUIRE(buf != nullptr);
    const ssize_t n = ::send(m_fd, buf, len, MSG_NOSIGNAL);
    if (n < 0 && errno == ENOTSOCK)
        return ::write(m_fd, buf, len);
    return n;
}

ssize_t UnixSocket::Write(const std::string& data)
{
    if (data.empty())
        return -1;
    const ssize_t n = Write(data.data(), data.size());
    if (n < 0)
        m_connected = false;
    return n;
}

ssize_t UnixSocket::SendTo(const std::string& data, const std::string& address, int mode, int flags)
{
    sockaddr_un addr;
    const socklen_t len = makeAddress(addr, address, mode);
    return ::sendto(m_fd, data.data(), data.size(), flags, reinterpret_cast<const sockaddr*>(&addr), len);
}

ssize_t UnixSocket::Recv(void* buf, size_t len, int flags)
{
    const ssize_t n = ::recv(m_fd, buf, len, flags);
    if (n < 0)
        m_connected = false;
    return n;
}

bool UnixSocket::IsConnected()
{
    std::printf("[%s]:%s\n", __PRETTY_FUNCTION__, m_connected ? "ture" : "false");
    return m_connected;
}

} // namespace lumo
