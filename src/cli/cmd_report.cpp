// solvane-cli report: the editor's printed point report of a profile, as a PDF (painted by the
// editor's own report printer) or as plain text.

#include "command.h"
#include "painting.h"

namespace solvane::cli {

extern const Command reportCommand;  // listed in main.cpp
const Command reportCommand{
    "report",
    "report FILE -o OUT.pdf|OUT.txt [--coord Polar|Rectangular]",
    "Writes the printed point report of a profile as a PDF or as plain text.",
    "  -o OUT.pdf|OUT.txt         the report to write; the extension chooses PDF or plain text (CR LF)\n"
    "  --coord Polar|Rectangular  the columns: R and Theta, or X and Y (default: the file's own system)\n"
    "Numbers are written with a decimal point. The PDF is laid out as the editor prints: every page\n"
    "under the column header, numbered \"Page n of m\", the first with the date and the wafer drawing.\n"
    "The text has no pages: the lines alone, as before. A file that reads only partly is reported as\n"
    "far as it was read, with a warning, and the exit status is 3.\n",
    runReport,
};

}  // namespace solvane::cli
