// libcurl and the TLS, Kerberos and LDAP libraries behind it stay out of the
// process until the first request: the desktop program waits at its main
// window without them.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "os/THttpClient.h"

namespace {

bool CurlMapped() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("/libcurl") != std::string::npos) return true;
    return false;
}

TEST(CurlLibrary, LoadedByTheFirstRequestNotBefore) {
    ASSERT_FALSE(CurlMapped()) << "the program links libcurl again, so it is loaded at every start";
    const os::THttpSession session("test");
    EXPECT_FALSE(CurlMapped()) << "a session alone needs no libcurl";
    // Port 1 on loopback refuses at once.
    EXPECT_EQ(os::THttpRequest::Open(session, "http://127.0.0.1:1/", "", 0), nullptr);
    EXPECT_TRUE(CurlMapped());
}

}  // namespace
