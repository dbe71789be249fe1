#include <gtest/gtest.h>

#include <sys/stat.h>

#include "rtl/Exceptions.h"
#include "rtl/TStream.h"

using namespace rtl;

TEST(MemoryStream, ReadsWhatWasWrittenAndReportsShortReads) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Size(), 6);
    stream.SetPosition(4);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
    stream.SetPosition(5);
    EXPECT_THROW(stream.ReadBuffer(buffer, 2), EReadError);
    stream.Seek(-1, soEnd);
    stream.WriteBuffer("XY", 2);  // writing past the end grows the stream
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(stream.Memory()), 7), "abcdeXY");
}

TEST(FileStream, CreateReplacesAndFailuresNameTheFile) {
    const std::string path = ::testing::TempDir() + "filestream.bin";
    {
        TFileStream file(path, fmCreate);
        file.WriteBuffer("longer text", 11);
    }
    {
        TFileStream file(path, fmCreate);  // replaced, not appended to
        file.WriteBuffer("new", 3);
    }
    TFileStream file(path, fmOpenRead);
    EXPECT_EQ(file.Size(), 3);

    try {
        TFileStream bad("/nonexistent-folder/x.flv", fmCreate);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_NE(e.Message().find("Cannot create file \"/nonexistent-folder/x.flv\"."), std::string::npos);
    }
    EXPECT_THROW(TFileStream(path + ".missing", fmOpenRead), EFOpenError);
}

TEST(FileStream, CopyFromCopiesWholeSource) {
    TMemoryStream source;
    std::string big(200000, 'q');
    source.WriteBuffer(big.data(), static_cast<long long>(big.size()));
    TMemoryStream target;
    EXPECT_EQ(target.CopyFrom(source, 0), 200000);
    EXPECT_EQ(target.Size(), 200000);
}
