// renderDiagram of the default diagram through the wrappers and the engine,
// beside the same picture drawn directly with QPainter, in one run. The
// ratio of the two is printed at the end (target: at most 1.5).
#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <cstdio>
#include <map>
#include <string>

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
void BM_QPainterReference(benchmark::State& state) {
    const diagram::DiagramParameters& p = diagram::diagramParameters;
    diagram::setDefaultParameters();
    const auto rectF = [](const graphics::FloatRect& r) { return QRectF(r.x, r.y, r.width, r.height); };
    for (auto _ : state) {
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
        QImage copy = picture.copy();
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_QPainterReference);

// Console output as usual, keeping the fastest wall and processor times of
// each benchmark (over repetitions, when asked for).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Times {
        double real = 0, cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
            const auto [it, first] = times.try_emplace(run.run_name.function_name);
            const double real = run.GetAdjustedRealTime(), cpu = run.GetAdjustedCPUTime();
            if (first || real < it->second.real) it->second.real = real;
            if (first || cpu < it->second.cpu) it->second.cpu = cpu;
        }
        ConsoleReporter::ReportRuns(runs);
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
    if (ours != reporter.times.end() && reference != reporter.times.end() && reference->second.real > 0 &&
        reference->second.cpu > 0) {
        // Processor time is the steadier figure on a busy machine.
        std::printf("renderDiagram / QPainter ratio: %.2f wall time, %.2f processor time (target at most 1.5)\n",
                    ours->second.real / reference->second.real, ours->second.cpu / reference->second.cpu);
    }

    diagram::diagramBitmap->DisposeBitmap();
    graphics::GraphicsSession::Stop();
    return 0;
}
