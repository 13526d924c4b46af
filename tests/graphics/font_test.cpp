// Font: creation by family name, from the default GUI font and from LOGFONT
// records, and the object getters.
#include <gtest/gtest.h>

#include <cstring>

#include "binding.h"
#include "font.h"
#include "graphics_session.h"
#include "last_status.h"

namespace graphics {
namespace {

// A stand-in for the FontFamily wrapper: holds a family and releases it.
class FamilyHolder : public WrapperObject {
public:
    ~FamilyHolder() override { Destroy(); }
    void Destroy() override {
        if (family) GDIP(GdipDeleteFontFamily)(family);
        SetHandle(nullptr);
    }
    std::unique_ptr<WrapperObject> Copy() const override { return nullptr; }
    void OnHandleSet(void* h) override { family = static_cast<GpFontFamily*>(h); }
    GpFontFamily* family = nullptr;
};

class GraphicsFont : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        resetCallCounts();
    }
    // Families come from the font family implementation.
    static bool FamiliesBuiltIn() {
        GpFontFamily* family = nullptr;
        const GpStatus status = GDIP(GdipCreateFontFamilyFromName)(u"Times New Roman", nullptr, &family);
        if (status == Ok) GDIP(GdipDeleteFontFamily)(family);
        resetCallCounts();
        return status != NotImplemented;
    }
};

TEST_F(GraphicsFont, FromFamilyNameLeavesNoFamilyBehind) {
    if (!FamiliesBuiltIn()) GTEST_SKIP() << "font families are not built in yet";
    Font font;
    ASSERT_TRUE(font.CreateFromFamilyName("Times New Roman", 36.0f));
    EXPECT_FLOAT_EQ(font.GetFontSize(), 36.0f);
    EXPECT_EQ(font.GetFontStyle(), FontStyleRegular);
    EXPECT_EQ(font.GetFontUnit(), UnitWorld);
    EXPECT_EQ(callCount("GdipCreateFontFamilyFromName"), 1u);
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 1u);

    // A family that is not installed: no font, and no family to release.
    resetCallCounts();
    EXPECT_FALSE(font.CreateFromFamilyName("No Such Family Anywhere", 36.0f));
    EXPECT_FALSE(font.IsValid());
    EXPECT_EQ(callCount("GdipDeleteFont"), 1u);  // the font held before
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 0u);
}

TEST_F(GraphicsFont, FromDefaultGuiFontUsesOneBufferFromTheEngine) {
    Font font;
    ASSERT_TRUE(font.CreateFromDefaultGuiFont());
    EXPECT_FLOAT_EQ(font.GetFontSize(), 11.0f);
    EXPECT_EQ(callCount("GdipAlloc"), 1u);
    EXPECT_EQ(callCount("GdipFree"), 1u);
    EXPECT_EQ(callCount("GdipCreateFontFromLogfontA"), 1u);
}

TEST_F(GraphicsFont, FromLogfontRecordsKeepHeightAndStyle) {
    LOGFONTA a{};
    a.lfHeight = -20;
    a.lfWeight = FW_BOLD;
    std::strcpy(a.lfFaceName, "Times New Roman");
    LOGFONTW w{};
    w.lfHeight = -14;
    w.lfItalic = 1;
    std::memcpy(w.lfFaceName, u"Times New Roman", sizeof u"Times New Roman");
    Font fromA, fromW;
    ASSERT_TRUE(fromA.CreateFromDCOrLogfontA(nullptr, &a));
    ASSERT_TRUE(fromW.CreateFromDCOrLogfontW(nullptr, &w));
    EXPECT_FLOAT_EQ(fromA.GetFontSize(), 20.0f);
    EXPECT_EQ(fromA.GetFontStyle(), FontStyleBold);
    EXPECT_FLOAT_EQ(fromW.GetFontSize(), 14.0f);
    EXPECT_EQ(fromW.GetFontStyle(), FontStyleItalic);

    // Without a record the font comes from the context, which must be one.
    resetCallCounts();
    EXPECT_FALSE(fromA.CreateFromDCOrLogfontA(nullptr, nullptr));
    EXPECT_EQ(callCount("GdipCreateFontFromDC"), 1u);
    EXPECT_FALSE(fromA.IsValid());
}

TEST_F(GraphicsFont, FromDCAndFontReadsTheFontObject) {
    LOGFONTA lf{};
    lf.lfHeight = -17;
    std::strcpy(lf.lfFaceName, "Times New Roman");
    HFONT object = CreateFontIndirectA(&lf);
    ASSERT_NE(object, nullptr);
    Font font;
    ASSERT_TRUE(font.CreateFromDCAndFont(nullptr, object));
    EXPECT_FLOAT_EQ(font.GetFontSize(), 17.0f);
    EXPECT_EQ(callCount("GdipAlloc"), 1u);
    EXPECT_EQ(callCount("GdipFree"), 1u);
    EXPECT_EQ(callCount("GdipCreateFontFromDC"), 0u);
    EXPECT_TRUE(DeleteObject(object));

    // No font object: straight to the context; no buffer is taken.
    resetCallCounts();
    EXPECT_FALSE(font.CreateFromDCAndFont(nullptr, nullptr));
    EXPECT_EQ(callCount("GdipAlloc"), 0u);
    EXPECT_EQ(callCount("GdipCreateFontFromDC"), 1u);
}

TEST_F(GraphicsFont, ObjectGettersHandNewObjectsToTheirTargets) {
    Font font;
    ASSERT_TRUE(font.CreateFromDefaultGuiFont());
    Font clone;
    ASSERT_TRUE(clone.CreateFromDefaultGuiFont());
    resetCallCounts();
    ASSERT_TRUE(font.CloneFont(clone));
    EXPECT_EQ(callCount("GdipDeleteFont"), 1u);  // the clone target's old font
    EXPECT_NE(clone.GetHandle(), font.GetHandle());
    EXPECT_FLOAT_EQ(clone.GetFontSize(), 11.0f);

    FamilyHolder family;
    ASSERT_TRUE(font.GetFamily(family));
    EXPECT_NE(family.GetHandle(), nullptr);
    Font again;
    ASSERT_TRUE(again.CreateFont(family, 9.5f, FontStyleUnderline, UnitPoint));
    EXPECT_EQ(again.GetFontStyle(), FontStyleUnderline);
    EXPECT_EQ(again.GetFontUnit(), UnitPoint);
    EXPECT_NEAR(again.GetFontHeightGivenDPI(72), again.GetFontHeightGivenDPI(144) / 2, 1e-4);
}

TEST_F(GraphicsFont, LogFontBufferIsGrownToTheRecord) {
    Font font;
    ASSERT_TRUE(font.CreateFromDefaultGuiFont());
    ByteArray small(4, 0xAB);
    // No graphics: the engine refuses, but the buffer is safe to write.
    FamilyHolder noGraphics;
    EXPECT_FALSE(font.GetLogFontA(noGraphics, small));
    EXPECT_EQ(small.size(), 60u);
    EXPECT_EQ(LastStatus, InvalidParameter);
}

}  // namespace
}  // namespace graphics
