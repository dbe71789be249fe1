#include "videoservice/THttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <iostream>
#include <memory>
#include <system_error>
#include <thread>

#include "videoservice/TConnection.h"

namespace videoservice {

namespace {

void AnswerOne(TConnection& connection, const THttpServer::THandler& handler) {
    std::string head;
    switch (connection.ReadHead(head)) {
        case TConnection::THeadResult::Incomplete: return;
        case TConnection::THeadResult::TooLarge: TResponder(connection, false).Page(400, "Request head too large.\n"); return;
        case TConnection::THeadResult::Complete: break;
    }
    const auto request = ParseHttpRequest(head);
    if (!request) {
        TResponder(connection, false).Page(400, "Malformed request.\n");
        return;
    }
    TResponder responder(connection, request->Method == "HEAD");
    if (request->Method != "GET" && request->Method != "HEAD") {
        responder.Page(405, "Only GET and HEAD are served.\n");
        return;
    }
    handler(*request, responder);
}

void Answer(int socket, const std::shared_ptr<const THttpServer::THandler>& handler) {
    TConnection connection(socket);
    try {
        AnswerOne(connection, *handler);
    } catch (const std::exception& error) {
        // The response may be half sent; closing the connection is all that is left.
        std::cerr << "videoservice: " << error.what() << std::endl;
    }
}

}  // namespace

THttpServer::THttpServer(uint16_t port) {
    Listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (Listener < 0) throw std::system_error(errno, std::generic_category(), "socket");
    const int on = 1;
    setsockopt(Listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(Listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(Listener, 128) != 0 ||
        getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        const int error = errno;
        close(Listener);
        throw std::system_error(error, std::generic_category(), "listen on 127.0.0.1:" + std::to_string(port));
    }
    BoundPort = ntohs(address.sin_port);
}

THttpServer::~THttpServer() { close(Listener); }

void THttpServer::Serve(THandler handler) {
    const auto shared = std::make_shared<const THandler>(std::move(handler));
    for (;;) {
        const int socket = accept4(Listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (socket < 0) {
            // Out of descriptors or a connection that died while queued: wait
            // a moment rather than spin, then go on serving.
            if (errno != EINTR) std::this_thread::sleep_for(std::chrono::milliseconds(50));
            continue;
        }
        try {
            std::thread(Answer, socket, shared).detach();
        } catch (const std::system_error&) {
            close(socket);
        }
    }
}

}  // namespace videoservice
