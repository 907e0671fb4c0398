// solvane-cli render: paints the wafer drawing of a profile into a PNG or SVG image, with the
// editor's own drawing code.

#include <QByteArray>
#include <QString>
#include <sstream>
#include <string>

#include "arguments.h"
#include "command.h"
#include "files/profilefile.h"
#include "files/safewrite.h"
#include "offscreengui.h"
#include "view/waferimage.h"

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

int runRender(const Command& self, const std::vector<std::string>& words)
{
    CommandLine line(words, {{"-o"}, {"--size"}, {"--snap"}, {"--path", true}});
    if (line.helpAsked()) return printCommandHelp(self);
    if (!line.ok()) return usageError(self, line.error());
    if (line.positional().size() != 1) return usageError(self, "give one profile file to render");
    const auto output = line.text("-o");
    if (!output) return usageError(self, "give the image to write with -o OUT.png or -o OUT.svg");
    const QString outputPath = QString::fromLocal8Bit(output->data(), static_cast<qsizetype>(output->size()));
    const auto format = waferImageFormatOf(outputPath);
    if (!format) return usageError(self, "the image is written as PNG (.png) or as SVG (.svg)");
    const int size = line.whole("--size", 800, 16, 8000);
    if (!line.ok()) return usageError(self, line.error());
    int rings = 0;
    int perRing = 0;
    const auto snap = line.text("--snap");
    if (snap && !parseSnapCounts(*snap, rings, perRing))
        return usageError(self, "--snap takes two counts from 1 to 30, rings then nodes per ring: --snap 2,8");

    const std::string& input = line.positional()[0];
    Profile profile;
    resetPoints(profile);
    const ReadResult read = readprofileFile(profile, input);
    if (!read.opened) return fileError(read.message);
    if (!read.ok) warning(input + " reads only partly (" + read.message + "): drawing what was read");
    if (snap) {
        profile.SnapOn = True;
        profile.SnapRadSteps = static_cast<std::int16_t>(rings);
        profile.SnapAngSteps = static_cast<std::int16_t>(perRing);
        profile.GridColor = Cyan16;
    }

    OffscreenGui gui;
    const QByteArray image = waferImageBytes(profile, QGuiApplication::palette(), line.given("--path"), *format, size);
    if (image.isEmpty()) return fileError("cannot encode the drawing");
    const WriteResult written = writeFileSafely(*output, std::string_view(image.constData(),
                                                                          static_cast<std::size_t>(image.size())));
    if (!written.ok) return fileError(written.message);
    return read.ok ? ExitSuccess : ExitPartialRead;
}

}  // namespace

extern const Command renderCommand;  // listed in main.cpp
const Command renderCommand{
    "render",
    "render FILE -o OUT.png|OUT.svg [--size PX] [--snap M,N] [--path]",
    "Paints the wafer drawing of a profile into a square PNG or SVG image, as the editor shows it.",
    "  -o OUT.png|OUT.svg\n"
    "                 the image to write; the extension chooses PNG or SVG (vector shapes)\n"
    "  --size PX      side of the image in pixels (default 800; the nominal size of an SVG)\n"
    "  --snap M,N     show the snap grid of M rings with N nodes each\n"
    "  --path         join the spots in list order: the path the stage travels\n",
    runRender,
};

}  // namespace solvane::cli
