#pragma once
// The framework's own error classes.
#include "rtl/Exceptions.h"

namespace vcl {

// A silent exception: it ends what is running without an error box.
class EAbort : public rtl::Exception {
public:
    EAbort() : rtl::Exception("Operation aborted") {}
    using rtl::Exception::Exception;
};

// An operation that the object's state does not allow.
class EInvalidOperation : public rtl::Exception {
    using rtl::Exception::Exception;
};

}  // namespace vcl
