// FontCollection and FontFamily wrappers: shapes, ownership and results.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "binding.h"
#include "font_collection.h"
#include "font_family.h"
#include "graphics_session.h"

namespace graphics {
namespace {

class FontFamilyWrapperTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { GraphicsSession::Start(); }
    void SetUp() override { resetCallCounts(); }
};

TEST_F(FontFamilyWrapperTest, TimesNewRomanFromTheInstalledFonts) {
    FontCollection installed;  // Empty: the installed fonts
    FontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName("Times New Roman", installed));
    EXPECT_TRUE(family.IsValid());
    const std::string name = family.GetFamilyName();
    EXPECT_TRUE(name == "Times New Roman" || name == "Liberation Serif") << name;
    EXPECT_EQ(family.GetEmHeight(FontStyleRegular), 2048);
    EXPECT_EQ(family.GetCellAscent(FontStyleRegular), 1825);
    EXPECT_EQ(family.GetCellDescent(FontStyleRegular), 443);
    EXPECT_EQ(family.GetLineSpacing(FontStyleRegular), 2355);
    EXPECT_TRUE(family.IsStyleAvailable(FontStyleBold));

    const ByteArray wide = family.GetFamilyNameW();
    EXPECT_EQ(wide.size(), 64u);
    EXPECT_EQ(WideToText(AsWide(wide)), name);

    FontFamily byWideName;
    EXPECT_TRUE(byWideName.CreateFontFamilyFromNameW(TextToWide("Times New Roman"), installed));
    EXPECT_EQ(byWideName.GetFamilyName(), name);
}

TEST_F(FontFamilyWrapperTest, UnknownNameLeavesTheWrapperEmpty) {
    FontCollection installed;
    FontFamily family;
    ASSERT_TRUE(family.GetGenericFontFamilySerif());
    // A create on a holding wrapper releases the old family first, even when
    // the new one is not found.
    EXPECT_FALSE(family.CreateFontFamilyFromName("No Such Family Zq", installed));
    EXPECT_EQ(LastStatus, FontFamilyNotFound);
    EXPECT_FALSE(family.IsValid());
    EXPECT_EQ(family.GetHandle(), nullptr);
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 1u);
    // Value getters on an Empty wrapper answer 0 and leave the failure.
    EXPECT_EQ(family.GetEmHeight(FontStyleRegular), 0);
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(family.GetFamilyName(), "");
}

TEST_F(FontFamilyWrapperTest, ReleaseRunsOnceAndDestroyOfEmptyMakesNoCall) {
    {
        FontFamily family;
        ASSERT_TRUE(family.GetGenericFontFamilyMonospace());
        EXPECT_TRUE(family.DeleteFontFamily());
        LastStatus = 77;
        EXPECT_FALSE(family.DeleteFontFamily());
        EXPECT_EQ(LastStatus, 77);
        family.Destroy();
    }
    {
        FontFamily held;
        ASSERT_TRUE(held.GetGenericFontFamilySansSerif());
    }  // destroyed while holding: released
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 2u);
}

TEST_F(FontFamilyWrapperTest, CloneHandsOverAndTheTargetReleasesItsOldFamily) {
    FontFamily source, target;
    ASSERT_TRUE(source.GetGenericFontFamilySerif());
    ASSERT_TRUE(target.GetGenericFontFamilyMonospace());
    void* old = target.GetHandle();
    EXPECT_TRUE(source.CloneFontFamily(target));
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 1u);
    EXPECT_NE(target.GetHandle(), old);
    EXPECT_NE(target.GetHandle(), source.GetHandle());
    EXPECT_EQ(target.GetFamilyName(), source.GetFamilyName());

    // Copy shares the object: exactly one of the two may release it.
    std::unique_ptr<WrapperObject> copy = target.Copy();
    EXPECT_EQ(copy->GetHandle(), target.GetHandle());
    copy->SetHandle(nullptr);
}

TEST_F(FontFamilyWrapperTest, CollectionListsFamiliesIntoNewWrappers) {
    FontCollection collection;
    // An Empty collection is passed as null, which the engine refuses.
    EXPECT_EQ(collection.GetFontCollectionFamilyCount(), 0);
    EXPECT_EQ(LastStatus, InvalidParameter);

    GpFontCollection* installed = nullptr;
    ASSERT_EQ(GDIP(GdipNewInstalledFontCollection)(&installed), Ok);
    collection.SetHandle(installed);
    const INT count = collection.GetFontCollectionFamilyCount();
    ASSERT_GT(count, 0);

    std::vector<std::unique_ptr<FontFamily>> families;
    families.push_back(std::make_unique<FontFamily>());
    ASSERT_TRUE(families[0]->GetGenericFontFamilySerif());
    resetCallCounts();
    EXPECT_EQ(collection.GetFontCollectionFamilyList(count + 1, families), count);
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), 1u);  // the old wrapper's family
    ASSERT_EQ(families.size(), static_cast<std::size_t>(count) + 1);
    EXPECT_TRUE(families[0]->IsValid());
    EXPECT_FALSE(families[count]->IsValid());

    // Fewer than one sought: refused without a call, array untouched.
    resetCallCounts();
    FontFamily* first = families[0].get();
    EXPECT_EQ(collection.GetFontCollectionFamilyList(0, families), 0);
    EXPECT_EQ(LastStatus, InvalidParameter);
    EXPECT_EQ(callCount("GdipGetFontCollectionFamilyList"), 0u);
    EXPECT_EQ(families[0].get(), first);

    // The collection is never released by its wrapper.
    collection.Destroy();
    EXPECT_EQ(collection.GetHandle(), installed);
    families.clear();
    EXPECT_EQ(callCount("GdipDeleteFontFamily"), static_cast<std::uint64_t>(count));
}

}  // namespace
}  // namespace graphics
