#pragma once
// The error classes of the runtime. Each carries the message that the default
// error handler shows; callers catch by class when they care which one it was.
#include <stdexcept>
#include <string>

namespace rtl {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Text that does not convert to a number.
class EConvertError : public Exception { using Exception::Exception; };
// An index outside a list: "List index out of bounds (%d)".
class EListError : public Exception {
public:
    explicit EListError(long index);
    using Exception::Exception;
};
// A file that cannot be created or opened.
class EFCreateError : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };
// A stream that delivered fewer bytes than asked for, or took fewer.
class EReadError : public Exception { using Exception::Exception; };
class EWriteError : public Exception { using Exception::Exception; };
// Compressed data that does not inflate.
class EDecompressionError : public Exception { using Exception::Exception; };

}  // namespace rtl
