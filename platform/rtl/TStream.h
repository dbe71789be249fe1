#pragma once
// Byte streams: a memory stream and an unbuffered file stream. Read and Write
// move as many bytes as they can and say how many; ReadBuffer and WriteBuffer
// demand the full count and raise EReadError / EWriteError otherwise.
#include <cstdint>
#include <string>
#include <vector>

namespace rtl {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;
    virtual long long Read(void* buffer, long long count) = 0;
    virtual long long Write(const void* buffer, long long count) = 0;
    virtual long long Seek(long long offset, TSeekOrigin origin) = 0;

    long long Position() { return Seek(0, soCurrent); }
    void SetPosition(long long value) { Seek(value, soBeginning); }
    long long Size();

    void ReadBuffer(void* buffer, long long count);
    void WriteBuffer(const void* buffer, long long count);
    // Copies `count` bytes from `source` (all from its start when count is 0).
    long long CopyFrom(TStream& source, long long count);
};

class TMemoryStream : public TStream {
public:
    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;

    const uint8_t* Memory() const { return FData.data(); }
    void SetSize(long long size);
    void Clear();
    void LoadFromStream(TStream& source);
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

private:
    std::vector<uint8_t> FData;
    long long FPosition = 0;
};

// Open modes. fmCreate replaces a file of that name or makes a new empty one.
enum TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

class TFileStream : public TStream {
public:
    // Raises EFCreateError (fmCreate) or EFOpenError with the system's reason.
    TFileStream(const std::string& fileName, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    long long Read(void* buffer, long long count) override;
    long long Write(const void* buffer, long long count) override;
    long long Seek(long long offset, TSeekOrigin origin) override;
    const std::string& FileName() const { return FFileName; }

private:
    std::string FFileName;
    int FHandle = -1;
};

}  // namespace rtl
