// Photo stepping: showing the next photograph of a run of 12-megapixel camera pictures in the
// 776×470 photo box.  A warm step (the picture was decoded ahead) against a cold one (decoded
// on the spot), with libjpeg-turbo's own command-line decoder at 1/4 scale as the yardstick
// for the cold step (the process start it includes is measured on its own too).
#include "browser/photoloader.h"
#include "controls/pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>

namespace {

constexpr QSize kPhotoSize(4256, 2832);
constexpr QSize kBoxSize(776, 470);
constexpr int kRunLength = 6;

// A camera-like picture: a smooth two-way colour gradient with soft shapes over it, lettering,
// and fine sensor-like noise, so that it compresses like a photograph rather than like a
// flat test card.
QImage MakePhoto(int index)
{
    QImage image(kPhotoSize, QImage::Format_RGB32);
    QRandomGenerator rng(quint32(1000 + index));
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int r = 40 + 180 * x / w + (index * 23) % 30;
            const int g = 60 + 150 * y / h;
            const int b = 200 - 120 * (x + y) / (w + h) + int(20 * std::sin((x + index * 97) * 0.004));
            line[x] = qRgb(r, g, b);
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        QRadialGradient grad(QPointF(rng.bounded(w), rng.bounded(h)), 100 + rng.bounded(500));
        grad.setColorAt(0, QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256), 170));
        grad.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(grad);
        p.setPen(Qt::NoPen);
        p.drawEllipse(grad.center(), grad.radius(), grad.radius() * 0.7);
    }
    QFont font = p.font();
    font.setPixelSize(90);
    p.setFont(font);
    p.setPen(QColor(250, 250, 240));
    for (int row = 0; row < 8; ++row)
        p.drawText(120, 300 + row * 320,
                   QStringLiteral("Photograph %1 / row %2 - the quick brown fox").arg(index).arg(row));
    p.end();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(rng.bounded(21)) - 10;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
    return image;
}

// The run of photographs, written once per process.
const QStringList& Run()
{
    static std::unique_ptr<QTemporaryDir> dir;
    static QStringList files;
    if (files.isEmpty()) {
        dir = std::make_unique<QTemporaryDir>();
        for (int i = 0; i < kRunLength; ++i) {
            const QString path = dir->filePath(QStringLiteral("53%1.JPG").arg(i));
            if (!MakePhoto(i).save(path, "JPEG", 90))
                std::abort();
            files << path;
        }
        std::printf("Run of %d photographs %dx%d, %.1f MB each\n", kRunLength, kPhotoSize.width(),
                    kPhotoSize.height(), QFileInfo(files.front()).size() / 1e6);
    }
    return files;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Step to the next photograph after it was decoded ahead: only the load() is timed (by
// hand, as the decode ahead between the timed steps costs far more than the step).
void BM_WarmStep(benchmark::State& state)
{
    const QStringList& run = Run();
    kg::PhotoLoader loader;
    int i = 0;
    for (auto _ : state) {
        const QString next = run[i++ % run.size()];
        loader.clear();
        loader.prefetch({next}, kBoxSize);
        loader.waitForIdle();
        if (!loader.isReady(next, kBoxSize))
            std::abort();
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(loader.load(next, kBoxSize));
        state.SetIterationTime(Seconds(start));
    }
}
BENCHMARK(BM_WarmStep)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(60);

// Step to a photograph nothing was decoded ahead for.
void BM_ColdStep(benchmark::State& state)
{
    const QStringList& run = Run();
    kg::PhotoLoader loader;
    int i = 0;
    for (auto _ : state) {
        loader.clear();
        const QString next = run[i++ % run.size()];
        const auto start = std::chrono::steady_clock::now();
        const QImage image = loader.load(next, kBoxSize);
        state.SetIterationTime(Seconds(start));
        if (image.size() != kBoxSize)
            std::abort();
    }
}
BENCHMARK(BM_ColdStep)->Unit(benchmark::kMillisecond)->UseManualTime();

// For scale: the same photograph decoded at its own size.
void BM_FullSizeDecode(benchmark::State& state)
{
    const QStringList& run = Run();
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(kg::LoadPictureFile(run[i++ % run.size()]));
}
BENCHMARK(BM_FullSizeDecode)->Unit(benchmark::kMillisecond)->UseRealTime();

int RunProcess(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

// libjpeg-turbo's own scaled decode (1/4 gives 1064×708, the smallest DCT scale that still
// covers the 776×470 box), process start included.
void BM_Djpeg(benchmark::State& state)
{
    const QStringList& run = Run();
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg not installed (package libjpeg-turbo-progs)");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        const QStringList args{QStringLiteral("-scale"), QStringLiteral("1/4"),
                               QStringLiteral("-outfile"), QStringLiteral("/dev/null"),
                               run[i++ % run.size()]};
        if (RunProcess(djpeg, args) != 0) {
            state.SkipWithError("djpeg failed");
            return;
        }
    }
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

// The process start alone, to take out of the djpeg figure.
void BM_ProcessStart(benchmark::State& state)
{
    const QString trueProgram = QStandardPaths::findExecutable(QStringLiteral("true"));
    for (auto _ : state)
        if (RunProcess(trueProgram, {}) != 0) {
            state.SkipWithError("true failed");
            return;
        }
}
BENCHMARK(BM_ProcessStart)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Run();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
