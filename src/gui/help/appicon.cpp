#include "help/appicon.h"

#include <QString>

// The icon resource sits in a static library: naming its initialiser here makes the linker keep it.
// The macro declares a global function, so it has to be used outside the namespace.
static void initIconResource() { Q_INIT_RESOURCE(solvane); }

namespace solvane {

QIcon applicationIcon()
{
    initIconResource();
    QIcon icon;
    // Hand-sized pictures for each size rather than one scaled picture: the small ones are drawn bolder.
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/solvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace solvane
