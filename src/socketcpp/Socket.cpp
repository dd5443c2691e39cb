#include "socketcpp/Socket.h"

#include <cstdio>
#include <cstdlib>

// Flushed before aborting so that the report survives a redirected stdout.
#define LUMO_NOT_IMPLEMENTED()                                                                                         \
    do {                                                                                                               \
        std::printf("[%s][%s][%d] Not implement yet\n", __FILE__, __PRETTY_FUNCTION__, __LINE__);                      \
        std::fflush(stdout);                                                                                           \
        std::abort();                                                                                                  \
    } while (0)

namespace lumo {

Socket::~Socket() = default;

int Socket::GetSocket() { LUMO_NOT_IMPLEMENTED(); }
void Socket::Close() { LUMO_NOT_IMPLEMENTED(); }
int Socket::Bind(int) { LUMO_NOT_IMPLEMENTED(); }
int Socket::Bind(const std::string&, int) { LUMO_NOT_IMPLEMENTED(); }
int Socket::Listen(int) { LUMO_NOT_IMPLEMENTED(); }
Socket* Socket::Accept() { LUMO_NOT_IMPLEMENTED(); }
int Socket::Connect(const std::string&) { LUMO_NOT_IMPLEMENTED(); }
int Socket::Connect(const std::string&, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Read(std::string&) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Read(void*, size_t) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Write(const void*, size_t) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Write(const std::string&) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Send(const void*, size_t, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Send(const std::string&, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::SendTo(const void*, size_t, const sockaddr*, socklen_t, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::SendTo(const std::string&, const sockaddr*, socklen_t, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::SendTo(const std::string&, const std::string&, int, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Recv(void*, size_t, int) { LUMO_NOT_IMPLEMENTED(); }
ssize_t Socket::Recvfrom(void*, size_t, sockaddr*, socklen_t*, int) { LUMO_NOT_IMPLEMENTED(); }
bool Socket::IsConnected() { LUMO_NOT_IMPLEMENTED(); }

} // namespace lumo
