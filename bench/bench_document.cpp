// Document command speed on the real main window (offscreen) with a profile of 2000 points.
// Target: File > Open of a 2000-point profile, including the table and drawing refresh, under 30 ms.
// Save of the same profile is measured alongside for reference.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <random>
#include <string>

#include "files/profilefile.h"
#include "mainwindow/form1.h"
#include "model/conversions.h"
#include "scriptedplatform.h"

using namespace solvane;

namespace {

// One shown main window over the scripted platform and a 2000-point profile file beside it.
struct Bench {
    Bench()
    {
        QFile help(folder.filePath(QStringLiteral("qdx5.hlp")));
        if (help.open(QIODevice::WriteOnly)) help.write("<html></html>");
        platform.setProgramDir(folder.path());
        form = std::make_unique<Form1>(platform);
        form->resize(1000, 700);
        form->show();
        QCoreApplication::processEvents();

        // Points spread over the usable disc in a random order, as a hand-made profile might be.
        auto profile = std::make_unique<Profile>();
        profile->WaferDiameter = 200.0;
        profile->Description = "2000 points";
        std::mt19937 random(7);
        std::uniform_real_distribution<float> radius(0.0f, 90.0f);
        std::uniform_real_distribution<float> angle(0.0f, 360.0f);
        for (int i = 1; i <= MaxPoints; ++i) {
            const float r = radius(random);
            const float theta = angle(random);
            const XY xy = polarToRect(r, theta);
            profile->Points[static_cast<std::size_t>(i)] = PointRec{r, theta, True, xy.X, xy.Y};
        }
        profile->PointCount = MaxPoints;
        path = folder.filePath(QStringLiteral("large.waf"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            const std::string bytes = formatprofile(*profile);
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    std::unique_ptr<Form1> form;
    QString path;
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

void BM_Open2000Points(benchmark::State& state)
{
    Bench& b = bench();
    for (auto _ : state) {
        state.PauseTiming();
        b.platform.clear();
        b.platform.chooseFile(b.path);
        state.ResumeTiming();
        b.form->File_Open_Click();
    }
    if (b.form->profile().PointCount != MaxPoints || !b.platform.messages().empty())
        state.SkipWithError("the profile did not open whole");
}
BENCHMARK(BM_Open2000Points)->Unit(benchmark::kMillisecond);

void BM_Save2000Points(benchmark::State& state)
{
    Bench& b = bench();
    b.platform.clear();
    b.platform.chooseFile(b.path);
    b.form->File_Open_Click();
    const QString target = b.folder.filePath(QStringLiteral("saved.waf"));
    b.platform.chooseFile(target);
    b.form->File_SaveAs_Click();
    for (auto _ : state) {
        b.form->profile().DataChanged = True;
        b.form->File_Save_Click();
    }
    if (b.form->profile().DataChanged != False || !QFile::exists(target)) state.SkipWithError("the profile was not saved");
}
BENCHMARK(BM_Save2000Points)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
