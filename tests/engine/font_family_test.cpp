// Font families and the installed collection at the engine's interface.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <string>
#include <vector>

#include "gdiplus_flat.h"

namespace {

class FontFamilyTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    static void TearDownTestSuite() { GdiplusShutdown(token); }

    static GpFontFamily* create(const char* name, GpStatus expected = Ok) {
        const std::u16string wide = QString::fromUtf8(name).toStdU16String();
        GpFontFamily* family = nullptr;
        EXPECT_EQ(GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family), expected) << name;
        return family;
    }
    static std::u16string nameOf(GpFontFamily* family) {
        WCHAR name[32];
        EXPECT_EQ(GdipGetFamilyName(family, name, 0), Ok);
        return name;
    }

    static inline ULONG_PTR token = 0;
};

TEST_F(FontFamilyTest, TimesNewRomanResolvesWithItsDesignMetrics) {
    GpFontFamily* family = create("Times New Roman");
    ASSERT_NE(family, nullptr);
    // Whatever draws it must be metric-compatible with Times New Roman.
    for (INT style : {FontStyleRegular, FontStyleBold, FontStyleItalic, FontStyleBoldItalic}) {
        UINT16 em = 0, ascent = 0, descent = 0, spacing = 0;
        EXPECT_EQ(GdipGetEmHeight(family, style, &em), Ok);
        EXPECT_EQ(GdipGetCellAscent(family, style, &ascent), Ok);
        EXPECT_EQ(GdipGetCellDescent(family, style, &descent), Ok);
        EXPECT_EQ(GdipGetLineSpacing(family, style, &spacing), Ok);
        EXPECT_EQ(em, 2048) << style;
        EXPECT_EQ(ascent, 1825) << style;
        EXPECT_EQ(descent, 443) << style;
        EXPECT_EQ(spacing, 2355) << style;
        BOOL available = FALSE;
        EXPECT_EQ(GdipIsStyleAvailable(family, style | FontStyleUnderline, &available), Ok);
        EXPECT_TRUE(available) << style;
    }
    const std::u16string name = nameOf(family);
    EXPECT_TRUE(name == u"Times New Roman" || name == u"Liberation Serif");
    EXPECT_EQ(GdipDeleteFontFamily(family), Ok);
}

TEST_F(FontFamilyTest, NamesCompareWithoutCaseAndReportTheInstalledSpelling) {
    GpFontFamily* family = create("liberation SERIF");
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(nameOf(family), u"Liberation Serif");
    GdipDeleteFontFamily(family);
}

TEST_F(FontFamilyTest, UnknownNameIsRefusedAndLeavesTheOutputAlone) {
    for (const char* name : {"No Such Family Zq", ""}) {
        GpFontFamily* family = reinterpret_cast<GpFontFamily*>(0x1);
        const std::u16string wide = QString::fromUtf8(name).toStdU16String();
        EXPECT_EQ(GdipCreateFontFamilyFromName(wide.c_str(), nullptr, &family), FontFamilyNotFound) << name;
        EXPECT_EQ(family, reinterpret_cast<GpFontFamily*>(0x1));
    }
}

TEST_F(FontFamilyTest, BadHandlesAndArgumentsAreInvalidParameter) {
    GpFontFamily* family = create("Times New Roman");
    GpFontFamily* out = nullptr;
    UINT16 value = 0;
    WCHAR name[32];
    EXPECT_EQ(GdipCreateFontFamilyFromName(nullptr, nullptr, &out), InvalidParameter);
    EXPECT_EQ(GdipCreateFontFamilyFromName(u"Arial", reinterpret_cast<GpFontCollection*>(family), &out),
              InvalidParameter);  // a family is no collection
    EXPECT_EQ(GdipGetEmHeight(nullptr, 0, &value), InvalidParameter);
    EXPECT_EQ(GdipGetEmHeight(family, 0, nullptr), InvalidParameter);
    EXPECT_EQ(GdipGetFamilyName(nullptr, name, 0), InvalidParameter);
    EXPECT_EQ(GdipCloneFontFamily(family, nullptr), InvalidParameter);
    EXPECT_EQ(GdipDeleteFontFamily(family), Ok);
    EXPECT_EQ(GdipDeleteFontFamily(family), InvalidParameter);  // already gone
    EXPECT_EQ(GdipGetEmHeight(family, 0, &value), InvalidParameter);
}

TEST_F(FontFamilyTest, CloneIsIndependentOfItsSource) {
    GpFontFamily* family = create("Times New Roman");
    GpFontFamily* clone = nullptr;
    ASSERT_EQ(GdipCloneFontFamily(family, &clone), Ok);
    ASSERT_NE(clone, family);
    const std::u16string name = nameOf(family);
    GdipDeleteFontFamily(family);
    EXPECT_EQ(nameOf(clone), name);
    EXPECT_EQ(GdipDeleteFontFamily(clone), Ok);
}

TEST_F(FontFamilyTest, GenericFamiliesExist) {
    using Getter = GpStatus(WINGDIPAPI*)(GpFontFamily**);
    for (Getter get : {&GdipGetGenericFontFamilySerif, &GdipGetGenericFontFamilySansSerif,
                       &GdipGetGenericFontFamilyMonospace}) {
        GpFontFamily* family = nullptr;
        ASSERT_EQ(get(&family), Ok);
        EXPECT_FALSE(nameOf(family).empty());
        UINT16 em = 0;
        EXPECT_EQ(GdipGetEmHeight(family, FontStyleRegular, &em), Ok);
        EXPECT_GT(em, 0);
        GdipDeleteFontFamily(family);
    }
    GpFontFamily* serif = nullptr;
    GdipGetGenericFontFamilySerif(&serif);
    UINT16 ascent = 0;
    GdipGetCellAscent(serif, 0, &ascent);
    EXPECT_EQ(ascent, 1825);  // Times New Roman or its substitute
    GdipDeleteFontFamily(serif);
}

TEST_F(FontFamilyTest, InstalledCollectionListsEachFamilyOnceIncludingTheBuiltInSerif) {
    GpFontCollection* installed = nullptr;
    ASSERT_EQ(GdipNewInstalledFontCollection(&installed), Ok);
    GpFontCollection* again = nullptr;
    GdipNewInstalledFontCollection(&again);
    EXPECT_EQ(again, installed);

    INT count = 0;
    ASSERT_EQ(GdipGetFontCollectionFamilyCount(installed, &count), Ok);
    ASSERT_GT(count, 0);
    std::vector<GpFontFamily*> families(static_cast<std::size_t>(count) + 2, nullptr);
    INT found = 0;
    ASSERT_EQ(GdipGetFontCollectionFamilyList(installed, count + 2, families.data(), &found), Ok);
    EXPECT_EQ(found, count);
    EXPECT_EQ(families[count], nullptr);

    std::vector<std::u16string> names;
    for (INT i = 0; i < found; ++i) {
        names.push_back(nameOf(families[i]));
        // Every listed family can be found again by its name.
        GpFontFamily* byName = create(QString::fromStdU16String(names.back()).toUtf8().constData());
        if (byName) {
            EXPECT_EQ(nameOf(byName), names.back());
            GdipDeleteFontFamily(byName);
        }
        GdipDeleteFontFamily(families[i]);
    }
    EXPECT_NE(std::find(names.begin(), names.end(), u"Liberation Serif"), names.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());

    EXPECT_EQ(GdipGetFontCollectionFamilyCount(nullptr, &count), InvalidParameter);
    EXPECT_EQ(GdipGetFontCollectionFamilyList(installed, 0, families.data(), &found), InvalidParameter);
}

}  // namespace
