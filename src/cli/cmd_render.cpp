// solvane-cli render: paints the wafer drawing of a profile into a PNG or SVG image, with the
// editor's own drawing code.

#include "command.h"
#include "painting.h"

namespace solvane::cli {

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
