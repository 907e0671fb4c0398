// The KLA results reader on any bytes: list the wafers, then import each of the first four and the
// one after them (past the last when there are fewer). The listing and the imports must agree, and
// a failed import leaves no points.
#include <algorithm>
#include <tuple>

#include "fuzzcheck.h"
#include "importers/klaimport.h"

using namespace solvane;

namespace {

// More wafers add time, not new paths.
constexpr std::size_t MaxWafersImported = 4;

bool sameWafers(const std::vector<KlaWafer>& a, const std::vector<KlaWafer>& b)
{
    const auto fields = [](const KlaWafer& w) { return std::tie(w.WaferID, w.Slot, w.DefectCount); };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const KlaWafer& x, const KlaWafer& y) { return fields(x) == fields(y); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const KlaImportResult listed = listKlaWafers(bytes);
    FUZZ_CHECK(listed.status == ImportStatus::Ok || listed.status == ImportStatus::InvalidFileType ||
               listed.status == ImportStatus::Damaged);
    FUZZ_CHECK((listed.status == ImportStatus::Ok) == listed.message.empty());
    FUZZ_CHECK(fuzz::plainMessage(listed.message));
    FUZZ_CHECK(listed.status == ImportStatus::InvalidFileType || !listed.wafers.empty());
    for (const KlaWafer& wafer : listed.wafers) FUZZ_CHECK(wafer.DefectCount >= 0);

    static DefectStore defects;
    const std::size_t last = std::min(listed.wafers.size(), MaxWafersImported);
    for (std::size_t wafer = 0; wafer <= last; ++wafer) {
        Profile profile;
        profile.PointCount = 7;  // as a previous profile leaves it: the import starts from none
        const KlaImportResult imported = importKlaResults(bytes, profile, defects, wafer);
        fuzz::checkImported(profile, imported.status, imported.message);

        // The layout is checked whichever wafer is asked for.
        if (listed.status != ImportStatus::Ok) {
            FUZZ_CHECK(imported.status == listed.status);
            continue;
        }
        FUZZ_CHECK(imported.status != ImportStatus::InvalidFileType && imported.status != ImportStatus::FileError &&
                   imported.status != ImportStatus::BadColumns);
        if (wafer == listed.wafers.size()) {
            FUZZ_CHECK(imported.status == ImportStatus::NoSuchWafer);
        } else {
            FUZZ_CHECK(imported.status != ImportStatus::NoSuchWafer);
        }
        if (imported.status != ImportStatus::Ok) {
            FUZZ_CHECK(imported.pointCount == 0);
            continue;
        }

        FUZZ_CHECK(sameWafers(imported.wafers, listed.wafers));
        FUZZ_CHECK(imported.wafer == wafer);
        FUZZ_CHECK(imported.pointCount == listed.wafers[wafer].DefectCount);
        FUZZ_CHECK(imported.pointCount <= MaxDefects);
        FUZZ_CHECK(profile.PointCount == imported.pointCount);
    }
    return 0;
}
