// MemoryStream: bytes in and out, closing, attaching a caller's stream, copies.
#include <gtest/gtest.h>

#include <cstring>

#include "memory_stream.h"
#include "win32/global_memory.h"

namespace {

using graphics::ByteArray;
using graphics::MemoryStream;

TEST(MemoryStreamTest, BytesComeBackAsGiven) {
    struct Case {
        ByteArray bytes;
        graphics::Optional<int> size;
        ByteArray expected;
    } cases[] = {
        {{}, {}, {}},
        {{1, 2, 3, 4, 5}, {}, {1, 2, 3, 4, 5}},
        {{1, 2, 3}, 5, {1, 2, 3, 0, 0}},  // a larger size is zero beyond the bytes
        {{1, 2, 3}, 2, {1, 2}},
        {{1, 2, 3}, -4, {}},
    };
    for (const Case& c : cases) {
        MemoryStream stream;
        IStream* s = stream.CreateFromBytes(c.bytes, c.size);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s, stream.GetStream());
        EXPECT_NE(stream.GetGlobalHandle(), nullptr);
        EXPECT_EQ(stream.GetBytes(), c.expected);
        EXPECT_EQ(stream.GetSize(), static_cast<int>(c.expected.size()));
        // The stream reads the same bytes from position 0.
        ByteArray read(c.expected.size() + 1);
        ULONG got = 0;
        EXPECT_EQ(s->Read(read.data(), static_cast<ULONG>(read.size()), &got), S_OK);
        EXPECT_EQ(got, c.expected.size());
    }
}

TEST(MemoryStreamTest, GetBytesStopsAtTheStreamsEnd) {
    MemoryStream stream;
    IStream* s = stream.CreateFromBytes();
    const char text[] = "written through the stream";
    for (int i = 0; i < 5; ++i) ASSERT_EQ(s->Write(text, sizeof text, nullptr), S_OK);
    ByteArray bytes = stream.GetBytes();
    ASSERT_EQ(bytes.size(), 5 * sizeof text);
    EXPECT_EQ(0, std::memcmp(bytes.data() + 4 * sizeof text, text, sizeof text));
    EXPECT_GE(stream.GetSize(), static_cast<int>(bytes.size()));  // the block may run ahead
}

TEST(MemoryStreamTest, CloseTwiceAndDestroyAfterClose) {
    MemoryStream stream;
    stream.CreateFromBytes({9, 9});
    HGLOBAL block = stream.GetGlobalHandle();
    stream.Close();
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_EQ(stream.GetGlobalHandle(), nullptr);
    EXPECT_EQ(GlobalSize(block), 0u);  // the block is freed
    stream.Close();
    stream.Destroy();
    EXPECT_TRUE(stream.GetBytes().empty());
    EXPECT_EQ(stream.GetSize(), 0);
}

TEST(MemoryStreamTest, AttachStreamTakesOverTheBlock) {
    IStream* s = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &s), S_OK);
    ASSERT_EQ(s->Write("abc", 3, nullptr), S_OK);
    HGLOBAL block = nullptr;
    ASSERT_EQ(GetHGlobalFromStream(s, &block), S_OK);

    MemoryStream stream;
    stream.CreateFromBytes({1});  // closed first
    EXPECT_TRUE(stream.AttachStream(s));
    EXPECT_EQ(stream.GetGlobalHandle(), block);
    EXPECT_EQ(stream.GetBytes(), (ByteArray{'a', 'b', 'c'}));
    stream.Close();
    EXPECT_EQ(GlobalSize(block), 0u);

    MemoryStream none;
    EXPECT_FALSE(none.AttachStream(nullptr));
}

TEST(MemoryStreamTest, CopiesOwnTheirBytes) {
    MemoryStream stream;
    stream.CreateFromBytes({4, 5, 6});
    auto copy = stream.Copy();
    EXPECT_EQ(copy->GetBytes(), (ByteArray{4, 5, 6}));
    EXPECT_NE(copy->GetGlobalHandle(), stream.GetGlobalHandle());
    copy->Close();
    EXPECT_EQ(stream.GetBytes(), (ByteArray{4, 5, 6}));
    EXPECT_EQ(MemoryStream().Copy()->GetStream(), nullptr);
}

}  // namespace
