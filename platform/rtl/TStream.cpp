#include "rtl/TStream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "rtl/Exceptions.h"

namespace rtl {

long long TStream::Size() {
    const long long here = Seek(0, soCurrent);
    const long long size = Seek(0, soEnd);
    Seek(here, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, long long count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, long long count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

long long TStream::CopyFrom(TStream& source, long long count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min<long long>(count, 1 << 16)));
    for (long long left = count; left > 0;) {
        const long long n = std::min<long long>(left, static_cast<long long>(buffer.size()));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

long long TMemoryStream::Read(void* buffer, long long count) {
    const long long available = static_cast<long long>(FData.size()) - FPosition;
    const long long n = std::clamp<long long>(count, 0, std::max<long long>(available, 0));
    if (n > 0) std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

long long TMemoryStream::Write(const void* buffer, long long count) {
    if (count <= 0) return 0;
    if (FPosition + count > static_cast<long long>(FData.size())) FData.resize(static_cast<size_t>(FPosition + count));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition += count;
    return count;
}

long long TMemoryStream::Seek(long long offset, TSeekOrigin origin) {
    const long long base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : static_cast<long long>(FData.size());
    FPosition = std::max<long long>(base + offset, 0);
    return FPosition;
}

void TMemoryStream::SetSize(long long size) {
    FData.resize(static_cast<size_t>(std::max<long long>(size, 0)));
    FPosition = std::min<long long>(FPosition, static_cast<long long>(FData.size()));
}

void TMemoryStream::Clear() {
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    SetSize(source.Size());
    FPosition = 0;
    source.ReadBuffer(FData.data(), static_cast<long long>(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(FData.data(), static_cast<long long>(FData.size()));
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode) : FFileName(fileName) {
    static constexpr int kFlags[] = {O_RDWR | O_CREAT | O_TRUNC, O_RDONLY, O_WRONLY, O_RDWR};
    FHandle = ::open(fileName.c_str(), kFlags[mode] | O_CLOEXEC, 0644);
    if (FHandle < 0) {
        const std::string reason = std::strerror(errno);
        if (mode == fmCreate) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    }
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

long long TFileStream::Read(void* buffer, long long count) {
    long long done = 0;
    while (done < count) {
        const ssize_t n = ::read(FHandle, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

long long TFileStream::Write(const void* buffer, long long count) {
    long long done = 0;
    while (done < count) {
        const ssize_t n = ::write(FHandle, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

long long TFileStream::Seek(long long offset, TSeekOrigin origin) {
    static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    return ::lseek(FHandle, offset, kWhence[origin]);
}

}  // namespace rtl
