#include "videoservice/TConnection.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace videoservice {

namespace {

void SetTimeout(int socket, int option, int seconds) {
    timeval timeout{};
    timeout.tv_sec = seconds;
    setsockopt(socket, SOL_SOCKET, option, &timeout, sizeof timeout);
}

}  // namespace

TConnection::TConnection(int socket) : Socket(socket) {
    // A client that stops talking or reading must not hold its thread forever.
    SetTimeout(Socket, SO_RCVTIMEO, 10);
    SetTimeout(Socket, SO_SNDTIMEO, 60);
    const int on = 1;
    setsockopt(Socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

TConnection::~TConnection() {
    // Close gently: stop sending, then wait briefly for the peer to finish.
    // Closing with unread input would reset the connection and could make the
    // peer lose the end of a response it had not read yet.
    shutdown(Socket, SHUT_WR);
    SetTimeout(Socket, SO_RCVTIMEO, 2);
    char scratch[4096];
    for (int reads = 0; reads < 16 && recv(Socket, scratch, sizeof scratch, 0) > 0; ++reads) {
    }
    close(Socket);
}

TConnection::THeadResult TConnection::ReadHead(std::string& head) {
    std::string received;
    char buffer[4096];
    for (;;) {
        const size_t end = std::min(received.find("\r\n\r\n"), received.find("\n\n"));
        if (end != std::string::npos) {
            head = received.substr(0, end);
            return THeadResult::Complete;
        }
        if (received.size() > MaxHeadBytes) return THeadResult::TooLarge;
        const ssize_t count = recv(Socket, buffer, sizeof buffer, 0);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return THeadResult::Incomplete;
        received.append(buffer, static_cast<size_t>(count));
    }
}

bool TConnection::Send(std::string_view data, bool more) {
    const int flags = MSG_NOSIGNAL | (more ? MSG_MORE : 0);
    while (!data.empty()) {
        const ssize_t count = send(Socket, data.data(), data.size(), flags);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        data.remove_prefix(static_cast<size_t>(count));
    }
    return true;
}

}  // namespace videoservice
