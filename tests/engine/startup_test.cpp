#include <gtest/gtest.h>

#include "gdiplus_flat.h"

namespace {

TEST(EngineStartup, RefusesAnyVersionButOneAndBadArguments) {
    struct Case {
        UINT version;
        BOOL suppressThread;
        bool withOutput;
        GpStatus expected;
    } cases[] = {
        {1, FALSE, false, Ok},
        {1, FALSE, true, Ok},
        {1, TRUE, true, Ok},
        {1, TRUE, false, InvalidParameter},  // hooks need somewhere to go
        {0, FALSE, false, UnsupportedGdiplusVersion},
        {2, FALSE, false, UnsupportedGdiplusVersion},
    };
    for (const Case& c : cases) {
        GdiplusStartupInput input{c.version, nullptr, c.suppressThread, FALSE};
        GdiplusStartupOutput output{};
        ULONG_PTR token = 0;
        EXPECT_EQ(GdiplusStartup(&token, &input, c.withOutput ? &output : nullptr), c.expected)
            << "version " << c.version;
        EXPECT_EQ(token != 0, c.expected == Ok);
        if (c.withOutput && c.expected == Ok) {
            EXPECT_EQ(output.NotificationHook != nullptr, c.suppressThread != 0);
        }
        if (token) GdiplusShutdown(token);
    }
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    EXPECT_EQ(GdiplusStartup(nullptr, &input, nullptr), InvalidParameter);
}

TEST(EngineStartup, EachStartupHasItsOwnTokenUntilShutDown) {
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    ULONG_PTR first = 0, second = 0;
    ASSERT_EQ(GdiplusStartup(&first, &input, nullptr), Ok);
    ASSERT_EQ(GdiplusStartup(&second, &input, nullptr), Ok);
    EXPECT_NE(first, second);
    GdiplusShutdown(first);
    GdiplusShutdown(second);
    GdiplusShutdown(second);  // an ended token is ignored
}

}  // namespace
