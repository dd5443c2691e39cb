#pragma once

#include <string>
#include <sys/socket.h>
#include <sys/types.h>

namespace lumo {

// The whole socket vocabulary. A concrete socket overrides what it supports;
// every operation left to this base is a programming error: it prints
// "[file][signature][line] Not implement yet" on standard output and aborts.
class Socket
{
public:
    virtual ~Socket() = 0;

    virtual int GetSocket();
    virtual void Close();
    virtual int Bind(int port);
    virtual int Bind(const std::string& address, int mode);
    virtual int Listen(int backlog);
    virtual Socket* Accept();
    virtual int Connect(const std::string& address);
    virtual int Connect(const std::string& address, int mode);
    virtual ssize_t Read(std::string& data);
    virtual ssize_t Read(void* buf, size_t len);
    virtual ssize_t Write(const void* buf, size_t len);
    virtual ssize_t Write(const std::string& data);
    virtual ssize_t Send(const void* buf, size_t len, int flags);
    virtual ssize_t Send(const std::string& data, int flags);
    virtual ssize_t SendTo(const void* buf, size_t len, const sockaddr* to, socklen_t tolen, int flags);
    virtual ssize_t SendTo(const std::string& data, const sockaddr* to, socklen_t tolen, int flags);
    virtual ssize_t SendTo(const std::string& data, const std::string& address, int mode, int flags);
    virtual ssize_t Recv(void* buf, size_t len, int flags);
    virtual ssize_t Recvfrom(void* buf, size_t len, sockaddr* from, socklen_t* fromlen, int flags);
    virtual bool IsConnected();

protected:
    Socket() = default;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
};

} // namespace lumo
