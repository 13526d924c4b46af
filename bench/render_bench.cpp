// renderDiagram of the default diagram through the wrappers and the engine,
// beside the same picture drawn directly with QPainter, in one run. The
// ratio of the two is printed at the end (target: at most 1.5).
#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "bitmap.h"
#include "diagram_parameters.h"
#include "diagram_renderer.h"
#include "graphics_session.h"

namespace {

void BM_RenderDiagram(benchmark::State& state) {
    diagram::setDefaultParameters();
    diagram::diagramParameters.whiteBackground = 0;
    for (auto _ : state) {
        diagram::renderDiagram();
        benchmark::DoNotOptimize(diagram::diagramBitmap->GetHandle());
    }
}
BENCHMARK(BM_RenderDiagram);

// The same picture with the same primitives, sizes and layout rectangles,
// and the same fresh tools and surface on every call, ending with a copy of
// the finished picture as the renderer's hand-over makes.
QImage drawReference() {
    const diagram::DiagramParameters& p = diagram::diagramParameters;
    const auto rectF = [](const graphics::FloatRect& r) { return QRectF(r.x, r.y, r.width, r.height); };
    const QColor color = QColor::fromRgba(diagram::toArgbColor(p.drawColor));
    QPen pen(color, 2.0);
    pen.setCapStyle(Qt::FlatCap);
    QFont font(QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPixelSize(36);
    const int width = diagram::widthForShells(p.shellCounts);
    QImage picture(width, 120, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.setPen(pen);
        painter.drawEllipse(rectF(p.nucleusEllipse));
        painter.setFont(font);
        const int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        painter.setPen(color);
        painter.drawText(rectF(p.nucleusLabelBox), textFlags, QStringLiteral("+%1").arg(p.nuclearCharge));
        for (int k = 1; k <= diagram::kShellCount; ++k) {
            if (p.shellCounts[k - 1] <= 0) continue;
            const qreal x = 50.0 * k;
            painter.setPen(pen);
            // Clockwise degrees from +x become Qt's counter-clockwise sixteenths.
            painter.drawArc(QRectF(x, 0, 100, 100), 50 * 16, -40 * 16);
            painter.drawArc(QRectF(x, 20, 100, 100), -10 * 16, -40 * 16);
            painter.setPen(color);
            painter.drawText(rectF(p.shellLabelBoxes[k - 1]), textFlags, QString::number(p.shellCounts[k - 1]));
        }
    }
    return picture.copy();
}

void BM_QPainterReference(benchmark::State& state) {
    diagram::setDefaultParameters();
    for (auto _ : state) {
        QImage copy = drawReference();
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_QPainterReference);

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Both drawings in turn within each iteration, so that a machine whose load
// changes during the run slows both alike; the ratio of their processor
// times is the "ratio" counter.
void BM_AlternatingRatio(benchmark::State& state) {
    diagram::setDefaultParameters();
    diagram::diagramParameters.whiteBackground = 0;
    double ours = 0, reference = 0;
    for (auto _ : state) {
        const double t0 = threadSeconds();
        diagram::renderDiagram();
        const double t1 = threadSeconds();
        QImage copy = drawReference();
        const double t2 = threadSeconds();
        benchmark::DoNotOptimize(copy.constBits());
        ours += t1 - t0;
        reference += t2 - t1;
    }
    state.counters["ratio"] = reference > 0 ? ours / reference : 0;
    state.counters["ours_us"] = ours / double(state.iterations()) * 1e6;
    state.counters["qpainter_us"] = reference / double(state.iterations()) * 1e6;
}
BENCHMARK(BM_AlternatingRatio);

// Console output as usual, keeping the median wall and processor times of
// each benchmark over its repetitions (--benchmark_repetitions=N steadies
// the ratio on a busy machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        std::vector<double> real, cpu;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            Times& t = times[run.run_name.function_name];
            t.real.push_back(run.GetAdjustedRealTime());
            t.cpu.push_back(run.GetAdjustedCPUTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }

    static double median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

    std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
    // The program's start-up; the engine's start also provides the GUI
    // application that QPainter's text needs.
    diagram::createDiagramGlobals();
    graphics::GraphicsSession::InitializeModule();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ours = reporter.times.find("BM_RenderDiagram");
    const auto reference = reporter.times.find("BM_QPainterReference");
    if (ours != reporter.times.end() && reference != reporter.times.end()) {
        const double real = RatioReporter::median(ours->second.real) / RatioReporter::median(reference->second.real);
        const double cpu = RatioReporter::median(ours->second.cpu) / RatioReporter::median(reference->second.cpu);
        // Processor time is the steadier figure on a busy machine.
        std::printf("renderDiagram / QPainter ratio (medians): %.2f wall time, %.2f processor time (target at most 1.5)\n",
                    real, cpu);
    }

    diagram::diagramBitmap->DisposeBitmap();
    graphics::GraphicsSession::Stop();
    return 0;
}
