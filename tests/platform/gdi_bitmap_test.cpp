// DIB sections, icons and process memory writes of the Windows-services layer.
#include <gtest/gtest.h>

#include <cstring>

#include "win32/gdi_bitmap.h"
#include "win32/process_memory.h"

namespace {

BITMAPINFO header(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, bits, compression, 0, 0, 0, 0, 0};
    return info;
}

TEST(DibSection, DescribesItselfAsBitmapOrDibSection) {
    BITMAPINFO info = header(5, -3, 24);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_TRUE(bitmap);
    ASSERT_TRUE(bits);
    EXPECT_EQ(GetObjectA(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmWidthBytes, 16);  // 15 bytes padded to 4
    EXPECT_EQ(bm.bmBitsPixel, 24);
    EXPECT_EQ(bm.bmBits, bits);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biHeight, -3);
    EXPECT_EQ(ds.dsBmih.biSizeImage, 48u);
    EXPECT_EQ(GetObjectA(bitmap, sizeof bm - 1, &bm), 0);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));
}

TEST(DibSection, RefusesWhatIsNoDib) {
    struct Case {
        BITMAPINFO info;
        UINT usage;
    } cases[] = {
        {header(0, 2, 32), DIB_RGB_COLORS},
        {header(2, 0, 32), DIB_RGB_COLORS},
        {header(2, 2, 7), DIB_RGB_COLORS},
        {header(2, 2, 24, BI_BITFIELDS), DIB_RGB_COLORS},
        {header(2, 2, 32), 1},
    };
    for (const Case& c : cases) {
        void* bits = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(CreateDIBSection(nullptr, &c.info, c.usage, &bits, nullptr, 0), nullptr);
        EXPECT_EQ(bits, nullptr);
    }
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), nullptr);
}

TEST(Icon, KeepsCopiesOfItsBitmapsAndGivesCopiesBack) {
    BITMAPINFO info = header(2, 2, 32);
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::memset(bits, 0x7F, 16);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } maskInfo{header(2, 2, 1).bmiHeader, {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}}};
    HBITMAP mask = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&maskInfo), DIB_RGB_COLORS, nullptr,
                                    nullptr, 0);
    ICONINFO given{TRUE, 1, 2, mask, colour};
    HICON icon = CreateIconIndirect(&given);
    ASSERT_TRUE(icon);
    DeleteObject(colour);  // the icon holds its own
    DeleteObject(mask);
    ICONINFO got{};
    ASSERT_TRUE(GetIconInfo(icon, &got));
    EXPECT_EQ(got.yHotspot, 2u);
    const GdiBitmap* copy = gdiBitmapFromHandle(got.hbmColor);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->bits[15], 0x7F);
    DeleteObject(got.hbmColor);
    DeleteObject(got.hbmMask);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(GetIconInfo(icon, &got));
    ICONINFO noMask{TRUE, 0, 0, nullptr, nullptr};
    EXPECT_EQ(CreateIconIndirect(&noMask), nullptr);
}

TEST(ProcessMemory, WritesOnlyIntoTheCallingProcess) {
    char target[4] = {};
    SIZE_T written = 99;
    EXPECT_TRUE(WriteProcessMemory(GetCurrentProcess(), target, "abc", 4, &written));
    EXPECT_EQ(written, 4u);
    EXPECT_STREQ(target, "abc");
    EXPECT_FALSE(WriteProcessMemory(reinterpret_cast<HANDLE>(0x1234), target, "xyz", 4, &written));
    EXPECT_EQ(written, 0u);
    EXPECT_STREQ(target, "abc");
    EXPECT_FALSE(WriteProcessMemory(GetCurrentProcess(), nullptr, "xyz", 4, nullptr));
    EXPECT_TRUE(WriteProcessMemory(GetCurrentProcess(), nullptr, nullptr, 0, nullptr));
}

}  // namespace
