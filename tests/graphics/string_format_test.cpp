// StringFormat: the empty format, generic formats, the tab-stop getter and
// the measurable ranges.
#include <gtest/gtest.h>

#include "binding.h"
#include "graphics_session.h"
#include "last_status.h"
#include "string_format.h"

namespace graphics {
namespace {

class GraphicsStringFormat : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GraphicsSession::Start());
        resetCallCounts();
    }
};

TEST_F(GraphicsStringFormat, NeverCreatedFormatIsNullAndReleasesNothing) {
    {
        StringFormat format;
        EXPECT_FALSE(format.IsValid());
        EXPECT_EQ(format.GetHandle(), nullptr);
        format.Destroy();
    }
    EXPECT_EQ(callCount("GdipDeleteStringFormat"), 0u);
}

TEST_F(GraphicsStringFormat, GenericTypographicHasItsFlags) {
    StringFormat format;
    ASSERT_TRUE(format.StringFormatGetGenericTypographic());
    EXPECT_EQ(format.GetStringFormatFlags(), 0x6004);
    EXPECT_EQ(format.GetStringFormatTrimming(), StringTrimmingNone);
    // Releasing the shared format leaves it intact for the next wrapper.
    EXPECT_TRUE(format.DeleteStringFormat());
    StringFormat again;
    ASSERT_TRUE(again.StringFormatGetGenericTypographic());
    EXPECT_EQ(again.GetStringFormatFlags(), 0x6004);
    ASSERT_TRUE(again.StringFormatGetGenericDefault());
    EXPECT_EQ(again.GetStringFormatFlags(), 0);
}

TEST_F(GraphicsStringFormat, TabStopsReplaceTheCallersArray) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatTabStops(8, {16, 32, 48}));
    float first = 0;
    std::vector<float> stops(5, -1.0f);
    EXPECT_EQ(format.GetStringFormatTabStops(first, stops), 3);
    EXPECT_EQ(stops, (std::vector<float>{16, 32, 48}));
    EXPECT_FLOAT_EQ(first, 8);
    EXPECT_EQ(LastStatus, Ok);

    // No count from the engine: 0, the array untouched, the failure kept.
    StringFormat empty;
    std::vector<float> kept{1, 2};
    EXPECT_EQ(empty.GetStringFormatTabStops(first, kept), 0);
    EXPECT_EQ(kept, (std::vector<float>{1, 2}));
    EXPECT_EQ(LastStatus, InvalidParameter);
}

TEST_F(GraphicsStringFormat, SettingsRoundTrip) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat(StringFormatFlagsNoWrap, 0x0804));
    EXPECT_EQ(format.GetStringFormatFlags(), StringFormatFlagsNoWrap);
    ASSERT_TRUE(format.SetStringFormatAlign(StringAlignmentCenter));
    ASSERT_TRUE(format.SetStringFormatLineAlign(StringAlignmentFar));
    ASSERT_TRUE(format.SetStringFormatTrimming(StringTrimmingEllipsisWord));
    ASSERT_TRUE(format.SetStringFormatHotkeyPrefix(HotkeyPrefixShow));
    EXPECT_EQ(format.GetStringFormatAlign(), StringAlignmentCenter);
    EXPECT_EQ(format.GetStringFormatLineAlign(), StringAlignmentFar);
    EXPECT_EQ(format.GetStringFormatTrimming(), StringTrimmingEllipsisWord);
    EXPECT_EQ(format.GetStringFormatHotkeyPrefix(), HotkeyPrefixShow);

    ASSERT_TRUE(format.SetStringFormatDigitSubstitution(StringDigitSubstituteTraditional, 0x0401));
    int method = -1, language = -1;
    ASSERT_TRUE(format.GetStringFormatDigitSubstitution(method, &language));
    EXPECT_EQ(method, StringDigitSubstituteTraditional);
    EXPECT_EQ(language, 0x0401);

    StringFormat clone;
    ASSERT_TRUE(format.CloneStringFormat(clone));
    EXPECT_NE(clone.GetHandle(), format.GetHandle());
    EXPECT_EQ(clone.GetStringFormatAlign(), StringAlignmentCenter);
}

TEST_F(GraphicsStringFormat, MeasurableRangesAreCountedAndCapped) {
    StringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    std::vector<CharacterRange> ranges{{0, 2}, {5, 3}};
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges(ranges));
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 2);
    EXPECT_EQ(ranges[1].First, 5);  // copied back unchanged
    EXPECT_EQ(ranges[1].Length, 3);

    std::vector<CharacterRange> tooMany(33, CharacterRange{0, 1});
    EXPECT_FALSE(format.SetStringFormatMeasurableCharacterRanges(tooMany));
    EXPECT_EQ(LastStatus, ValueOverflow);
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 2);

    std::vector<CharacterRange> none;
    EXPECT_TRUE(format.SetStringFormatMeasurableCharacterRanges(none));
    EXPECT_EQ(format.GetStringFormatMeasurableCharacterRangeCount(), 0);
}

}  // namespace
}  // namespace graphics
