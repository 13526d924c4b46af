// Whole pictures against reference images. Make or refresh the references
// with ZELVARO_UPDATE_GOLDENS=1, and look at them before committing them.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <ostream>

#include "diagram_renderer.h"
#include "diagram_test_support.h"
#include "element_presets.h"

namespace {

// A pixel differs when one of its channels is off by more than this; the
// text's anti-aliasing may move a little between font rasterizer versions.
constexpr int kChannelTolerance = 16;
// Share of the pixels that may differ.
constexpr double kDifferingShare = 0.005;

struct GoldenCase {
    const char* name;    // file name without .png
    const char* preset;  // null: the defaults
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

bool updating() {
    const char* flag = std::getenv("ZELVARO_UPDATE_GOLDENS");
    return flag && *flag && *flag != '0';
}

class DiagramGolden : public ::testing::TestWithParam<GoldenCase> {
protected:
    void TearDown() override { diagram_test::resetModel(); }
};

TEST_P(DiagramGolden, MatchesReference) {
    const GoldenCase& c = GetParam();
    diagram_test::resetModel();
    if (c.preset) {
        const diagram::ElementPreset* preset = diagram::findPreset(c.preset);
        ASSERT_NE(preset, nullptr);
        diagram::diagramParameters.nuclearCharge = preset->nuclearCharge();
        for (int k = 1; k <= diagram::kShellCount; ++k)
            diagram::diagramParameters.shellCounts[k - 1] = preset->shellCount(k);
    }
    diagram::renderDiagram();
    const QImage actual = diagram_test::pixelsOf(*diagram::diagramBitmap);
    ASSERT_FALSE(actual.isNull());

    const QString goldenPath = QString(ZELVARO_TEST_DATA "/%1.png").arg(c.name);
    if (updating()) {
        QDir().mkpath(ZELVARO_TEST_DATA);
        ASSERT_TRUE(actual.save(goldenPath, "PNG"));
        GTEST_SKIP() << "reference written: " << goldenPath.toStdString();
    }
    const QImage expected = QImage(goldenPath).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(expected.isNull()) << "no reference " << goldenPath.toStdString()
                                    << " (make it with ZELVARO_UPDATE_GOLDENS=1)";
    ASSERT_EQ(actual.size(), expected.size());

    QImage diff(actual.size(), QImage::Format_ARGB32);
    diff.fill(0xFFFFFFFF);
    int differing = 0, worst = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y), e = expected.pixel(x, y);
            // Colour channels only count as far as the pixel is visible.
            const int d = std::max({std::abs(qAlpha(a) - qAlpha(e)),
                                    std::abs(qRed(a) * qAlpha(a) - qRed(e) * qAlpha(e)) / 255,
                                    std::abs(qGreen(a) * qAlpha(a) - qGreen(e) * qAlpha(e)) / 255,
                                    std::abs(qBlue(a) * qAlpha(a) - qBlue(e) * qAlpha(e)) / 255});
            worst = std::max(worst, d);
            if (d > kChannelTolerance) {
                ++differing;
                diff.setPixel(x, y, 0xFFFF0000);
            } else if (d > 0) {
                diff.setPixel(x, y, 0xFFFFC0C0);
            }
        }
    }
    const int allowed = int(kDifferingShare * actual.width() * actual.height());
    if (differing > allowed) {
        const QString out = QString(ZELVARO_TEST_OUTPUT "/%1").arg(c.name);
        QDir().mkpath(ZELVARO_TEST_OUTPUT);
        actual.save(out + "-actual.png");
        expected.save(out + "-expected.png");
        diff.save(out + "-diff.png");
        ADD_FAILURE() << differing << " pixels differ by more than " << kChannelTolerance << " (allowed " << allowed
                      << ", worst " << worst << "); images in " << ZELVARO_TEST_OUTPUT;
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, DiagramGolden,
                         ::testing::Values(GoldenCase{"default", nullptr}, GoldenCase{"Na", "Na"},
                                           GoldenCase{"H1", "H1"}, GoldenCase{"Fe3", "Fe3"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
