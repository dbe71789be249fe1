#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "rtl/TScopeExit.h"

using rtl::TScopeExit;

namespace {

// Two guards in one scope, left by a return or by an exception: each action
// runs exactly once, the later guard's first, as destructors go.
std::string Leave(bool throws, std::string& log) {
    const TScopeExit first([&] { log += "1"; });
    const TScopeExit second([&] { log += "2"; });
    if (throws) throw std::runtime_error("left");
    log += "body ";
    return log;
}

}  // namespace

TEST(ScopeExit, RunsEachActionOnceInReverseOrderOnReturnAndOnException) {
    std::string log;
    EXPECT_EQ(Leave(false, log), "body ");
    EXPECT_EQ(log, "body 21");
    log.clear();
    EXPECT_THROW(Leave(true, log), std::runtime_error);
    EXPECT_EQ(log, "21");
}
