// Catalogue load time for folders of 10,000 and 100,000 photographs, against listing the
// same folder and sorting its names (the floor any loader has to pay).
#include "catalogue/catalogue.h"
#include "core/appstate.h"
#include "system/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <dirent.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* kCodes[] = {"53", "54", "55", "60", "78", "99", "A0", "A1", "AZ", "BZ", "ZR"};

QString MakeFolder(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> dirs;
    auto& dir = dirs[count];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        QDir(dir->path()).mkpath(QStringLiteral("kestranas"));
        QDir(dir->path()).mkpath(QStringLiteral("clipart"));
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("%1%2.jpg")
                                     .arg(QLatin1String(kCodes[(i * 7) % std::size(kCodes)]))
                                     .arg(i * 7919 % 1000003, 7, 10, QLatin1Char('0'));
            QFile f(dir->path() + QStringLiteral("/kestranas/") + (i % 3 ? name : name.toLower()));
            if (!f.open(QIODevice::WriteOnly)) std::abort();
        }
    }
    return dir->path();
}

void BM_LoadPhotoArray(benchmark::State& state)
{
    const QString folder = MakeFolder(int(state.range(0)));
    qputenv("KESTRANA_DRIVES", ("E=" + folder).toLocal8Bit());
    kg::ResetDriveTable();
    for (auto _ : state) {
        kg::ResetAppState();
        kg::g.gsDataRoot = kg::g.gsPhotoRoot = QStringLiteral("E:");
        kg::LoadPhotoArray();
        benchmark::DoNotOptimize(kg::g.giPhotoCount);
    }
    state.counters["photos"] = kg::g.giPhotoCount;
}
BENCHMARK(BM_LoadPhotoArray)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The floor: read the folder and sort the names as plain bytes.
void BM_ListAndSort(benchmark::State& state)
{
    const QByteArray folder = QFile::encodeName(MakeFolder(int(state.range(0))) + QStringLiteral("/kestranas"));
    for (auto _ : state) {
        std::vector<std::string> names;
        DIR* d = opendir(folder.constData());
        while (dirent* e = readdir(d))
            names.emplace_back(e->d_name);
        closedir(d);
        std::sort(names.begin(), names.end());
        benchmark::DoNotOptimize(names.data());
    }
}
BENCHMARK(BM_ListAndSort)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
