// String formats at the engine's flat interface.
#include <gtest/gtest.h>

#include <vector>

#include "gdiplus_flat.h"

namespace {

TEST(EngineStringFormat, GenericFormatsHaveTheirDocumentedSettingsAndSurviveDelete) {
    struct Case {
        GpStatus (*get)(GpStringFormat**);
        INT flags;
        StringTrimming trimming;
    };
    for (const Case& c : {Case{GdipStringFormatGetGenericDefault, 0, StringTrimmingCharacter},
                          Case{GdipStringFormatGetGenericTypographic, 0x6004, StringTrimmingNone}}) {
        GpStringFormat* generic = nullptr;
        ASSERT_EQ(c.get(&generic), Ok);
        INT flags = -1;
        StringTrimming trimming = -1;
        StringAlignment align = -1, lineAlign = -1;
        INT hotkey = -1;
        EXPECT_EQ(GdipGetStringFormatFlags(generic, &flags), Ok);
        GdipGetStringFormatTrimming(generic, &trimming);
        GdipGetStringFormatAlign(generic, &align);
        GdipGetStringFormatLineAlign(generic, &lineAlign);
        GdipGetStringFormatHotkeyPrefix(generic, &hotkey);
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(trimming, c.trimming);
        EXPECT_EQ(align, StringAlignmentNear);
        EXPECT_EQ(lineAlign, StringAlignmentNear);
        EXPECT_EQ(hotkey, HotkeyPrefixNone);

        // Deleting a generic format is accepted and changes nothing: the
        // next caller gets the same, still usable, object.
        EXPECT_EQ(GdipDeleteStringFormat(generic), Ok);
        GpStringFormat* again = nullptr;
        ASSERT_EQ(c.get(&again), Ok);
        EXPECT_EQ(again, generic);
        EXPECT_EQ(GdipGetStringFormatFlags(again, &flags), Ok);

        // A clone is the caller's own: changing it leaves the generic one alone.
        GpStringFormat* clone = nullptr;
        ASSERT_EQ(GdipCloneStringFormat(generic, &clone), Ok);
        EXPECT_EQ(GdipSetStringFormatFlags(clone, StringFormatFlagsNoWrap), Ok);
        GdipGetStringFormatFlags(generic, &flags);
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(GdipDeleteStringFormat(clone), Ok);
        EXPECT_EQ(GdipDeleteStringFormat(clone), InvalidParameter);
    }
}

class EngineStringFormatSettings : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GdipCreateStringFormat(StringFormatFlagsNoClip, 0x0409, &format), Ok); }
    void TearDown() override { EXPECT_EQ(GdipDeleteStringFormat(format), Ok); }
    GpStringFormat* format = nullptr;
};

TEST_F(EngineStringFormatSettings, OutOfRangeEnumerationsAreRefused) {
    EXPECT_EQ(GdipSetStringFormatAlign(format, 3), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatLineAlign(format, -1), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatTrimming(format, 6), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatHotkeyPrefix(format, 3), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatDigitSubstitution(format, 0, 4), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatAlign(format, StringAlignmentFar), Ok);
    StringAlignment align = -1;
    GdipGetStringFormatAlign(format, &align);
    EXPECT_EQ(align, StringAlignmentFar);
    INT flags = 0;
    GdipGetStringFormatFlags(format, &flags);
    EXPECT_EQ(flags, StringFormatFlagsNoClip);
}

TEST_F(EngineStringFormatSettings, TabStopsComeBackWithTheirOffset) {
    const REAL stops[] = {20, 40, 10};
    ASSERT_EQ(GdipSetStringFormatTabStops(format, 5, 3, stops), Ok);
    INT count = 0;
    ASSERT_EQ(GdipGetStringFormatTabStopCount(format, &count), Ok);
    ASSERT_EQ(count, 3);
    REAL first = 0, got[3] = {};
    ASSERT_EQ(GdipGetStringFormatTabStops(format, 3, &first, got), Ok);
    EXPECT_FLOAT_EQ(first, 5);
    EXPECT_EQ(std::vector<REAL>(got, got + 3), std::vector<REAL>(stops, stops + 3));
    // A shorter buffer gets only what fits.
    REAL two[3] = {-1, -1, -1};
    ASSERT_EQ(GdipGetStringFormatTabStops(format, 2, &first, two), Ok);
    EXPECT_EQ(two[2], -1);
    EXPECT_EQ(GdipSetStringFormatTabStops(format, 0, -1, stops), InvalidParameter);
    EXPECT_EQ(GdipSetStringFormatTabStops(format, 0, 0, nullptr), Ok);
    GdipGetStringFormatTabStopCount(format, &count);
    EXPECT_EQ(count, 0);
}

TEST_F(EngineStringFormatSettings, DigitSubstitutionKeepsLanguageAndMethodApart) {
    ASSERT_EQ(GdipSetStringFormatDigitSubstitution(format, 0x0401, StringDigitSubstituteNational), Ok);
    LANGID language = 0;
    StringDigitSubstitute method = -1;
    ASSERT_EQ(GdipGetStringFormatDigitSubstitution(format, &language, &method), Ok);
    EXPECT_EQ(language, 0x0401);
    EXPECT_EQ(method, StringDigitSubstituteNational);
    // Either output may be left out.
    EXPECT_EQ(GdipGetStringFormatDigitSubstitution(format, nullptr, &method), Ok);
    EXPECT_EQ(GdipGetStringFormatDigitSubstitution(format, &language, nullptr), Ok);
}

TEST_F(EngineStringFormatSettings, AtMostThirtyTwoMeasurableRanges) {
    std::vector<CharacterRange> ranges(33, CharacterRange{0, 1});
    INT count = -1;
    ASSERT_EQ(GdipSetStringFormatMeasurableCharacterRanges(format, 32, ranges.data()), Ok);
    EXPECT_EQ(GdipSetStringFormatMeasurableCharacterRanges(format, 33, ranges.data()), ValueOverflow);
    GdipGetStringFormatMeasurableCharacterRangeCount(format, &count);
    EXPECT_EQ(count, 32);  // the refused call changed nothing
    EXPECT_EQ(GdipSetStringFormatMeasurableCharacterRanges(format, 2, nullptr), InvalidParameter);
    ASSERT_EQ(GdipSetStringFormatMeasurableCharacterRanges(format, 0, nullptr), Ok);
    GdipGetStringFormatMeasurableCharacterRangeCount(format, &count);
    EXPECT_EQ(count, 0);
}

}  // namespace
