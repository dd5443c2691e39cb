#pragma once

#include "socketcpp/Socket.h"

namespace lumo {

// A Unix-domain socket. Addresses hold at most 106 bytes (longer ones are
// cut); mode 1 puts them in the abstract namespace, any other mode uses them
// as filesystem paths. Every call returns the system call's result and leaves
// errno to the caller; the connected flag is the only state failures change.
//
// Programming errors (an empty address for Bind/Connect, a null buffer for
// Read/Write) are checked in every build: a line on standard error, then abort().
class UnixSocket : public Socket
{
public:
    static constexpr size_t kMaxAddress = 106;
    static constexpr int kAbstract = 1;

    // A close-on-exec AF_UNIX socket of the given type, non-blocking when
    // asked; owned by the caller. Null when it cannot be created.
    static UnixSocket* CreateSocket(int type, bool nonBlocking);

    // Takes ownership of the descriptor; -1 means closed.
    UnixSocket(int fd, int type, bool connected);
    ~UnixSocket() override;

    using Socket::Bind;
    using Socket::Read;
    using Socket::SendTo;

    int GetSocket() override;
    void Close() override;
    int Bind(const std::string& address, int mode) override;
    int Listen(int backlog) override;
    // The accepted peer, connected, with this socket's type flags; null on failure.
    UnixSocket* Accept() override;
    int Connect(const std::string& address) override;
    // 0 and the connected flag set on success; -1 with the flag as it was.
    int Connect(const std::string& address, int mode) override;
    // A negative result clears the connected flag.
    ssize_t Read(void* buf, size_t len) override;
    // Peer gone gives -1 with EPIPE rather than SIGPIPE.
    ssize_t Write(const void* buf, size_t len) override;
    // -1 for empty data without writing; a negative result clears the connected flag.
    ssize_t Write(const std::string& data) override;
    ssize_t SendTo(const std::string& data, const std::string& address, int mode, int flags) override;
    // A negative result clears the connected flag.
    ssize_t Recv(void* buf, size_t len, int flags) override;
    // Also prints "[signature]:ture" or "[signature]:false" on standard output.
    bool IsConnected() override;

private:
    int m_fd;
    int m_type;
    bool m_connected;
};

} // namespace lumo
