// solvane-cli render, as solvane-cli-paint runs it: the wafer drawing of a profile painted by the
// editor's own drawing code into a PNG or SVG image.

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <sstream>
#include <string>

#include "arguments.h"
#include "files/safewrite.h"
#include "paint/offscreengui.h"
#include "painting.h"
#include "profileinput.h"
#include "render/waferimage.h"

namespace solvane::cli {

namespace {

// "M,N": snap rings and nodes per ring, each 1 to 30.
bool parseSnapCounts(const std::string& text, int& rings, int& perRing)
{
    std::istringstream in(text);
    char comma = 0;
    if (!(in >> rings >> comma >> perRing) || comma != ',' || !in.eof()) return false;
    return rings >= 1 && rings <= 30 && perRing >= 1 && perRing <= 30;
}

}  // namespace

int runRender(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--size"}, {"--snap"}, {"--path", true}});
    if (const auto done = checkCommandLine(self, line, "give one profile file to render",
                                           "give the image to write with -o OUT.png or -o OUT.svg"))
        return *done;
    const std::string output = *line.text("-o");
    const auto format = waferImageFormatOf(
        QString::fromLocal8Bit(output.data(), static_cast<qsizetype>(output.size())));
    if (!format) return usageError(self, "the image is written as PNG (.png) or as SVG (.svg)");
    const int size = line.whole("--size", 800, 16, 8000);
    if (!line.ok()) return usageError(self, line.error());
    int rings = 0;
    int perRing = 0;
    const auto snap = line.text("--snap");
    if (snap && !parseSnapCounts(*snap, rings, perRing))
        return usageError(self, "--snap takes two counts from 1 to 30, rings then nodes per ring: --snap 2,8");

    Profile profile;
    const auto read = readShownProfile(profile, line.positional()[0], "drawing what was read");
    if (!read) return ExitFileError;
    if (snap) {
        profile.SnapOn = True;
        profile.SnapRadSteps = static_cast<std::int16_t>(rings);
        profile.SnapAngSteps = static_cast<std::int16_t>(perRing);
        profile.GridColor = Cyan16;
    }

    OffscreenGui gui;
    const QByteArray image = waferImageBytes(profile, QGuiApplication::palette(), line.given("--path"), *format, size);
    if (image.isEmpty()) return fileError("cannot encode the drawing");
    return finishWrite(writeFileSafely(output,
                                       std::string_view(image.constData(), static_cast<std::size_t>(image.size()))),
                       shownStatus(*read));
}

}  // namespace solvane::cli
