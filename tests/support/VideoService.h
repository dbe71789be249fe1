#pragma once
// Runs the demo video service (build/bin/videoservice) for the length of a
// test: started on a free loopback port with the build's shared media folder,
// killed when the object goes. The clips are made on first use and then kept.
#include <string>
#include <sys/types.h>

class TTestVideoService {
public:
    // Throws std::runtime_error when the service does not come up.
    TTestVideoService();
    ~TTestVideoService();
    TTestVideoService(const TTestVideoService&) = delete;
    TTestVideoService& operator=(const TTestVideoService&) = delete;

    int Port() const { return ServicePort; }
    // "http://127.0.0.1:PORT"
    std::string BaseUrl() const;
    // The watch page of a video id such as "demo" or "long-trickle20"; the id
    // scheme is described in tools/videoservice/TVideoCase.h.
    std::string WatchUrl(const std::string& id) const;
    // The stream address that decoding the stream map of that page gives.
    std::string StreamUrl(const std::string& id) const;
    // The file the stream of clip `name` ("demo", "long") is served from.
    static std::string ClipPath(const std::string& name);

private:
    void Stop();

    pid_t Pid = -1;
    int ServicePort = 0;
};
