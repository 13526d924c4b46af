#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "win32/global_memory.h"
#include "win32/stream.h"

namespace {

TEST(GlobalMemory, MovableZeroedBlockLocksAndFrees) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 64u);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    ASSERT_NE(bytes, nullptr);
    for (int i = 0; i < 64; ++i) ASSERT_EQ(bytes[i], 0);
    EXPECT_NE(GlobalLock(block), nullptr);
    EXPECT_TRUE(GlobalUnlock(block)) << "still locked once";
    EXPECT_FALSE(GlobalUnlock(block));
    EXPECT_EQ(GlobalFree(block), nullptr);
    // A freed handle is refused, not dereferenced.
    EXPECT_EQ(GlobalSize(block), 0u);
    EXPECT_EQ(GlobalLock(block), nullptr);
    EXPECT_EQ(GlobalFree(block), block);
}

std::string readAll(IStream* stream) {
    LARGE_INTEGER zero{};
    EXPECT_EQ(stream->Seek(zero, STREAM_SEEK_SET, nullptr), S_OK);
    std::string out(64, '\0');
    ULONG got = 0;
    EXPECT_EQ(stream->Read(out.data(), static_cast<ULONG>(out.size()), &got), S_OK);
    out.resize(got);
    return out;
}

TEST(HGlobalStream, WriteGrowsSeekAndSetSizeKeepTheLogicalEnd) {
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    ULONG written = 0;
    ASSERT_EQ(stream->Write("hello", 5, &written), S_OK);
    EXPECT_EQ(written, 5u);
    LARGE_INTEGER back{-2};
    ULARGE_INTEGER pos{};
    ASSERT_EQ(stream->Seek(back, STREAM_SEEK_CUR, &pos), S_OK);
    EXPECT_EQ(pos.QuadPart, 3u);
    ASSERT_EQ(stream->Write("p!", 2, nullptr), S_OK);
    EXPECT_EQ(readAll(stream), "help!");

    STATSTG stat{};
    ASSERT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
    EXPECT_EQ(stat.cbSize.QuadPart, 5u);

    ULARGE_INTEGER three{3};
    ASSERT_EQ(stream->SetSize(three), S_OK);
    EXPECT_EQ(readAll(stream), "hel");
    LARGE_INTEGER before{-1};
    EXPECT_NE(stream->Seek(before, STREAM_SEEK_SET, nullptr), S_OK) << "no position before the start";

    HGLOBAL block = nullptr;
    ASSERT_EQ(GetHGlobalFromStream(stream, &block), S_OK);
    EXPECT_GE(GlobalSize(block), 3u);
    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_EQ(GlobalSize(block), 0u) << "release frees the block when asked to";
}

TEST(HGlobalStream, StreamOverACallersBlockReadsItsBytesAndLeavesItWhenAsked) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
    std::memcpy(GlobalLock(block), "abcd", 4);
    GlobalUnlock(block);
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    EXPECT_EQ(readAll(stream), "abcd");
    IStream* twin = nullptr;
    ASSERT_EQ(stream->Clone(&twin), S_OK);
    EXPECT_EQ(stream->AddRef(), 2u);
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(stream->Release(), 0u);
    EXPECT_EQ(readAll(twin), "abcd") << "a clone keeps the block alive";
    EXPECT_EQ(twin->Release(), 0u);
    EXPECT_EQ(GlobalSize(block), 4u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(HGlobalStream, ReleaseIsTheThirdEntryOfTheInterfaceTable) {
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
    using ReleaseFn = ULONG (*)(IStream*);
    auto** table = *reinterpret_cast<void***>(stream);
    auto release = reinterpret_cast<ReleaseFn>(table[2]);
    EXPECT_EQ(release(stream), 0u);
}

}  // namespace
