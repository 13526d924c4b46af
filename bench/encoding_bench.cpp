// Size and time of encoding a full-width diagram-sized picture (480 x 120,
// 32bpp ARGB, transparent background, anti-aliased strokes and text) as PNG
// and as BMP through the Bitmap save operations.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bitmap.h"
#include "graphics_session.h"
#include "image_encoders.h"

namespace {

QImage diagramLikePicture() {
    QImage image(480, 120, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRectF(10, 20, 80, 80));
    p.setFont(QFont("Liberation Serif", 16));
    p.drawText(QRectF(10, 20, 80, 80), Qt::AlignCenter, "+118");
    const int counts[] = {2, 8, 18, 32, 32, 18, 8};
    for (int i = 0; i < 7; ++i) {
        p.drawArc(QRectF(70 + 50 * i, 10, 60, 100), -40 * 16, 80 * 16);
        p.drawText(QRectF(115 + 50 * i, 45, 30, 30), Qt::AlignCenter, QString::number(counts[i]));
    }
    p.end();
    return image;
}

void encode(benchmark::State& state, const char* format) {
    graphics::GraphicsSession::Start();
    QImage rows = diagramLikePicture();
    graphics::Bitmap bitmap;
    bitmap.CreateBitmapFromScan0(rows.width(), rows.height(), static_cast<int>(rows.bytesPerLine()),
                                 PixelFormat32bppARGB, rows.bits());
    std::size_t bytes = 0;
    for (auto _ : state) {
        graphics::ByteArray encoded = bitmap.SaveToBytes(std::string(format));
        bytes = encoded.size();
        benchmark::DoNotOptimize(encoded.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_SaveToBytesPng(benchmark::State& state) { encode(state, graphics::kPngFormat); }
void BM_SaveToBytesBmp(benchmark::State& state) { encode(state, graphics::kBmpFormat); }

BENCHMARK(BM_SaveToBytesPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBytesBmp)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The picture is drawn with a font, which needs a GUI application.
    static int qtArgc = 3;
    static char arg0[] = "encoding_bench", arg1[] = "-platform", arg2[] = "offscreen";
    static char* qtArgv[] = {arg0, arg1, arg2, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
