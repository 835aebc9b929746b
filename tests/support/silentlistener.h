#pragma once
// A loopback port that neither accepts nor refuses: its listen backlog is full, so new handshakes
// are never completed, as with a host that drops packets. Closing it turns the port into a
// refusing one (a waiting client is refused at its next retry).

#include <QHostAddress>
#include <QTcpSocket>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class SilentListener
{
public:
    SilentListener()
        : fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), length) != 0
            || ::listen(fd, 0) != 0
            || ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        listenPort = ntohs(address.sin_port);
        for (QTcpSocket &socket : fillers) {
            socket.connectToHost(QHostAddress::LocalHost, listenPort);
            socket.waitForConnected(200);
        }
    }
    ~SilentListener() { close(); }
    SilentListener(const SilentListener &) = delete;
    SilentListener &operator=(const SilentListener &) = delete;

    quint16 port() const { return listenPort; } // 0 when the listener could not be set up
    void close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

private:
    int fd;
    quint16 listenPort = 0;
    QTcpSocket fillers[4];
};
