#pragma once
// The routes of the demo video service:
//
//   /                      a page that links the watch pages of the clips
//   /watch?v=ID            the watch page of a video id (see TVideoCase.h)
//   /videoplayback?id=ID&signature=SIG&...
//                          the clip's FLV stream; SIG must be the one the page gave
//   /bytes?n=N[&chunked=1][&break=M][&nulat=K][&length=TEXT][&extralength=TEXT]
//          [&trickle=MS][&stall=M]
//                          N test bytes (see TPatternSource) with the same kinds
//                          of misbehaviour as the video switches
//   /redirect?to=ADDRESS   a 302 answer that sends the client to ADDRESS, whatever its scheme
//   /status?code=C[&body=TEXT]
//                          an HTML answer with status C (200 to 599, but not
//                          204, 205 or 304, which have no body)
#include <string>

#include "videoservice/TClipLibrary.h"
#include "videoservice/THttpRequest.h"
#include "videoservice/TResponder.h"

namespace videoservice {

class TVideoService {
public:
    // `base` is the service's own address, "http://127.0.0.1:PORT".
    TVideoService(const TClipLibrary& clips, std::string base) : Clips(clips), Base(std::move(base)) {}

    void Handle(const THttpRequest& request, TResponder& responder) const;

private:
    void Index(TResponder& responder) const;
    void Watch(const THttpRequest& request, TResponder& responder) const;
    void Playback(const THttpRequest& request, TResponder& responder) const;
    void Bytes(const THttpRequest& request, TResponder& responder) const;
    void Status(const THttpRequest& request, TResponder& responder) const;
    void Forward(const THttpRequest& request, TResponder& responder) const;

    const TClipLibrary& Clips;
    std::string Base;
};

}  // namespace videoservice
