// Document command speed on the real main window (offscreen) with a profile of 2000 points.
// File > Open of a 2000-point profile, including the table and drawing refresh, beside its floor
// (the file read and its numbers taken, the picture drawn and the table rewritten straight). Save of
// the same profile is measured alongside for reference.
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "benchsupport.h"
#include "files/profilefile.h"
#include "floors.h"
#include "render/qttext.h"
#include "table/flexgrid.h"
#include "view/waferview.h"

using namespace solvane;

namespace {

// A 2000-point profile file in a folder of its own, written once.
struct LargeFile {
    LargeFile()
    {
        auto profile = std::make_unique<Profile>();
        profile->Description = "2000 points";
        scatterPolarPoints(*profile, MaxPoints, 7);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            const std::string bytes = formatprofile(*profile);
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        }
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("large.waf"));
};

LargeFile& largeFile()
{
    static LargeFile file;
    return file;
}

void BM_Open2000Points(benchmark::State& state)
{
    FormHarness& w = fullWindow();
    const QString& path = largeFile().path;
    for (auto _ : state) {
        state.PauseTiming();
        w.platform.clear();
        w.platform.chooseFile(path);
        w.profile().DataChanged = False;  // nothing to ask about before the open
        state.ResumeTiming();
        w.form().documents().File_Open_Click();
    }
    if (w.profile().PointCount != MaxPoints || !w.platform.messages().empty())
        state.SkipWithError("the profile did not open whole");
}
BENCHMARK(BM_Open2000Points)->Unit(benchmark::kMillisecond);

void BM_Open2000PointsFloor(benchmark::State& state)
{
    FullWindow& w = fullWindow();
    const std::string path = toFileSystem(largeFile().path);
    floors::Picture picture(w.profile(), w.form().picture().size());
    floors::Table table(w.form().grid().size());
    for (auto _ : state) {
        const std::vector<float> numbers = floors::readNumbers(floors::readWhole(path));
        if (numbers.size() < 2 * MaxPoints) state.SkipWithError("the file was not read whole");
        picture.draw(w.profile());
        table.rewrite(w.profile());
    }
}
BENCHMARK(BM_Open2000PointsFloor)->Unit(benchmark::kMillisecond);

void BM_Save2000Points(benchmark::State& state)
{
    FormHarness& w = fullWindow();
    w.platform.clear();
    w.platform.chooseFile(largeFile().path);
    w.profile().DataChanged = False;
    w.form().documents().File_Open_Click();
    const QString target = largeFile().folder.filePath(QStringLiteral("saved.waf"));
    w.platform.chooseFile(target);
    w.form().documents().File_SaveAs_Click();
    for (auto _ : state) {
        w.profile().DataChanged = True;
        w.form().documents().File_Save_Click();
    }
    if (w.profile().DataChanged != False || !QFile::exists(target)) state.SkipWithError("the profile was not saved");
}
BENCHMARK(BM_Save2000Points)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
