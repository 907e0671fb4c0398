// The file layer on any bytes: a safe save puts exactly those bytes on disk, the plain-file reader
// gives exactly them back, and every reader that opens a file (profile, results file, CSV) makes of
// it what it makes of the same bytes in memory.
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "files/filechecks.h"
#include "files/profilefile.h"
#include "files/safewrite.h"
#include "fuzzcheck.h"
#include "importers/csvimport.h"
#include "importers/klaimport.h"

using namespace solvane;

namespace {

// One scratch folder per fuzzing process, removed at exit.
const std::string& scratchFile()
{
    static const std::string path = [] {
        static char folder[] = "/tmp/solvane-fuzz-XXXXXX";
        if (::mkdtemp(folder) == nullptr) std::abort();
        std::atexit([] {
            ::unlink((std::string(folder) + "/input").c_str());
            ::rmdir(folder);
        });
        return std::string(folder) + "/input";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& path = scratchFile();
    FUZZ_CHECK(writeFileSafely(path, bytes).ok);
    const FileBytes back = readPlainFile(path, MaxImportFileBytes, "to import");
    FUZZ_CHECK(back.ok && back.bytes == bytes);

    const auto fromFile = std::make_unique<Profile>(), fromBytes = std::make_unique<Profile>();
    const ReadResult fileRead = readprofileFile(*fromFile, path);
    const ReadResult bytesRead = readprofile(*fromBytes, bytes);
    FUZZ_CHECK(fileRead.opened && fileRead.message == bytesRead.message && fileRead.pointsRead == bytesRead.pointsRead);
    FUZZ_CHECK(formatprofile(*fromFile) == formatprofile(*fromBytes));

    const auto defects = std::make_unique<DefectStore>();
    const KlaImportResult kla = importKlaFile(path, *fromFile, *defects);
    FUZZ_CHECK(kla.status == importKlaResults(bytes, *fromBytes, *defects).status);
    FUZZ_CHECK(fromFile->PointCount == fromBytes->PointCount);
    const CsvColumns columns{0, 0, 0, 0, 1, 2};
    const CsvImportResult csv = importCsvFile(path, columns, *fromFile, *defects);
    FUZZ_CHECK(csv.message == importCsvDefects(bytes, columns, *fromBytes, *defects).message);
    FUZZ_CHECK(fromFile->PointCount == fromBytes->PointCount);
    return 0;
}
