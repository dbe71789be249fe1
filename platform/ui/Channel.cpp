#include "ui/Channel.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ui/CopyData.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Tree.h"

namespace ui {

namespace {

constexpr uint32_t Magic = 0x3153574B;  // "KWS1"
constexpr uint32_t MaxData = 1 << 20;
constexpr int ReplyTimeoutMs = 5000;

enum : uint32_t { FindRequest = 1, SendRequest = 2, PostRequest = 3 };

struct TRequest {
    uint32_t Magic = 0;
    uint32_t Kind = 0;
    uint64_t Hwnd = 0;
    uint32_t Message = 0;
    uint32_t Size = 0;  // bytes after the header
    uint64_t WParam = 0;
    int64_t LParam = 0;  // for WM_COPYDATA: the block's number (dwData)
};

struct TReply {
    uint32_t Magic = 0;
    uint32_t Refused = 0;
    int64_t Result = 0;
};

// The user's own folder for the sockets, or empty when none can be trusted.
const std::string& Folder() {
    static const std::string folder = [] {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        const std::string base = runtime && runtime[0] == '/' ? runtime : "/tmp";
        const std::string dir = base + "/kestrune-windows-" + std::to_string(getuid());
        mkdir(dir.c_str(), 0700);
        struct stat st;
        if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() || (st.st_mode & 077))
            return std::string();
        return dir;
    }();
    return folder;
}

std::string SocketPath(uint64_t pid) { return Folder() + "/" + std::to_string(pid); }

bool Fill(sockaddr_un& address, const std::string& path) {
    if (path.size() >= sizeof address.sun_path) return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    return true;
}

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Reads or writes all bytes before the deadline (writing leaves `p` alone).
bool Transfer(int fd, char* p, size_t size, bool reading, int64_t deadline) {
    while (size > 0) {
        const int64_t left = deadline - NowMs();
        pollfd wait{fd, short(reading ? POLLIN : POLLOUT), 0};
        if (left <= 0 || poll(&wait, 1, int(left)) <= 0) return false;
        const ssize_t n = reading ? read(fd, p, size) : send(fd, p, size, MSG_NOSIGNAL);
        if (n <= 0) {
            if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            return false;
        }
        p += n;
        size -= size_t(n);
    }
    return true;
}

bool ReadAll(int fd, void* data, size_t size, int64_t deadline) {
    return Transfer(fd, static_cast<char*>(data), size, true, deadline);
}

bool WriteAll(int fd, const void* data, size_t size, int64_t deadline) {
    return Transfer(fd, const_cast<char*>(static_cast<const char*>(data)), size, false, deadline);
}

bool CrossesProcesses(UINT msg) { return msg == WM_COPYDATA || msg == WM_NULL || msg == WM_CLOSE || msg >= WM_USER; }

bool SameClass(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

HWND FindOwn(const std::string& className, const std::string& title) {
    for (HWND h : Sys().TopLevels) {
        const TWindow* w = Sys().Find(h);
        if (w && (className.empty() || SameClass(className, w->Class->Info.ClassName)) &&
            (title.empty() || w->Text == title))
            return h;
    }
    return nullptr;
}

struct TListener {
    int Fd = -1;
    std::string Path;
    ~TListener() {
        if (Fd >= 0) unlink(Path.c_str());
    }
};

TListener& Listener() {
    static TListener listener;
    return listener;
}

LRESULT Answer(const TRequest& request, const std::vector<char>& data, bool& refused) {
    const HWND hwnd = reinterpret_cast<HWND>(uintptr_t(request.Hwnd));
    if (request.Kind == FindRequest) {
        const size_t split = std::find(data.begin(), data.end(), '\0') - data.begin();
        const std::string className(data.begin(), data.begin() + long(split));
        const std::string title = split < data.size() ? std::string(data.begin() + long(split) + 1, data.end()) : "";
        return reinterpret_cast<LRESULT>(FindOwn(className, title));
    }
    refused = !Win(hwnd) || !CrossesProcesses(request.Message) ||
              (request.Kind == PostRequest && request.Message == WM_COPYDATA) ||
              (request.Message != WM_COPYDATA && !data.empty());
    if (refused) return 0;
    if (request.Kind == PostRequest) return PostMessage(hwnd, request.Message, request.WParam, request.LParam);
    if (request.Message != WM_COPYDATA) return SendMessage(hwnd, request.Message, request.WParam, request.LParam);
    const TCopyDataStruct block{UINT_PTR(request.LParam), DWORD(data.size()), data.data()};
    return SendMessage(hwnd, WM_COPYDATA, request.WParam, reinterpret_cast<LPARAM>(&block));
}

void ServeConnection(int fd) {
    const int64_t deadline = NowMs() + 1000;
    TRequest request;
    if (!ReadAll(fd, &request, sizeof request, deadline) || request.Magic != Magic || request.Size > MaxData)
        return;
    std::vector<char> data(request.Size);
    if (!ReadAll(fd, data.data(), data.size(), deadline)) return;
    bool refused = false;
    TReply reply;
    reply.Magic = Magic;
    reply.Result = Answer(request, data, refused);
    reply.Refused = refused;
    WriteAll(fd, &reply, sizeof reply, NowMs() + 1000);
}

// One request to the process `pid`; false when it cannot be reached.
bool Ask(uint64_t pid, const TRequest& request, const void* data, LRESULT& result) {
    const std::string path = SocketPath(pid);
    sockaddr_un address;
    if (Folder().empty() || !Fill(address, path)) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        // Nobody listens: the process is gone and its socket is stale.
        struct stat st;
        if (errno == ECONNREFUSED && lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) unlink(path.c_str());
        close(fd);
        return false;
    }
    fcntl(fd, F_SETFL, O_NONBLOCK);
    const int64_t deadline = NowMs() + ReplyTimeoutMs;
    bool ok = WriteAll(fd, &request, sizeof request, deadline) && WriteAll(fd, data, request.Size, deadline);
    // While the other side works on it, requests to us are answered, so that
    // two processes sending to each other do not wait for each other.
    TReply reply;
    while (ok) {
        pollfd waits[2] = {{fd, POLLIN, 0}, {ChannelFd(), POLLIN, 0}};
        const int64_t left = deadline - NowMs();
        if (left <= 0 || poll(waits, ChannelFd() >= 0 ? 2 : 1, int(left)) <= 0) ok = false;
        else if (waits[0].revents) ok = ReadAll(fd, &reply, sizeof reply, deadline) && reply.Magic == Magic;
        else {
            ChannelServe();
            continue;
        }
        break;
    }
    close(fd);
    result = ok && !reply.Refused ? reply.Result : 0;
    return ok;
}

TRequest MessageRequest(uint32_t kind, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TRequest request;
    request.Magic = Magic;
    request.Kind = kind;
    request.Hwnd = reinterpret_cast<uintptr_t>(hwnd);
    request.Message = msg;
    request.WParam = wParam;
    request.LParam = lParam;
    return request;
}

uint64_t ProcessOf(HWND hwnd) { return reinterpret_cast<uintptr_t>(hwnd) >> 32; }

}  // namespace

void ChannelListen() {
    TListener& l = Listener();
    if (l.Fd >= 0 || Folder().empty()) return;
    sockaddr_un address;
    const std::string path = SocketPath(uint64_t(getpid()));
    if (!Fill(address, path)) return;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return;
    unlink(path.c_str());  // left by an earlier process of the same number
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(fd, 16) != 0) {
        close(fd);
        return;
    }
    l.Fd = fd;
    l.Path = path;
}

int ChannelFd() { return Listener().Fd; }

bool ChannelServe() {
    bool served = false;
    for (;;) {
        const int fd = accept4(ChannelFd(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) return served;
        ServeConnection(fd);
        close(fd);
        served = true;
    }
}

LRESULT ChannelSend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!CrossesProcesses(msg)) return 0;
    TRequest request = MessageRequest(SendRequest, hwnd, msg, wParam, lParam);
    const void* data = nullptr;
    if (msg == WM_COPYDATA) {
        const auto* block = reinterpret_cast<const TCopyDataStruct*>(lParam);
        if (!block || block->Size > MaxData || (block->Size && !block->Bytes)) return 0;
        request.LParam = LPARAM(block->Data);
        request.Size = block->Size;
        data = block->Bytes;
    }
    LRESULT result = 0;
    Ask(ProcessOf(hwnd), request, data, result);
    return result;
}

bool ChannelPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!CrossesProcesses(msg) || msg == WM_COPYDATA) return false;
    LRESULT result = 0;
    return Ask(ProcessOf(hwnd), MessageRequest(PostRequest, hwnd, msg, wParam, lParam), nullptr, result) && result;
}

HWND ChannelFind(const std::string& className, const std::string& title) {
    if (Folder().empty()) return nullptr;
    std::string data = className;
    data += '\0';
    data += title;
    TRequest request;
    request.Magic = Magic;
    request.Kind = FindRequest;
    request.Size = uint32_t(data.size());
    DIR* dir = opendir(Folder().c_str());
    if (!dir) return nullptr;
    std::vector<uint64_t> pids;
    while (const dirent* entry = readdir(dir)) {
        char* end = nullptr;
        const unsigned long long pid = std::strtoull(entry->d_name, &end, 10);
        if (end != entry->d_name && *end == '\0' && pid != uint64_t(getpid())) pids.push_back(pid);
    }
    closedir(dir);
    for (uint64_t pid : pids) {
        LRESULT found = 0;
        if (Ask(pid, request, data.data(), found) && found && ProcessOf(reinterpret_cast<HWND>(found)) == pid)
            return reinterpret_cast<HWND>(found);
    }
    return nullptr;
}

HWND FindWindow(const std::string& className, const std::string& title) {
    if (!OnMainThread()) return nullptr;
    if (const HWND own = FindOwn(className, title)) return own;
    return ChannelFind(className, title);
}

}  // namespace ui
