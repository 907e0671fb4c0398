#include "window/windowservices.h"

#include "platform/platform.h"

namespace solvane {

bool WindowServices::roomForOneMorePoint()
{
    if (hasRoomForPoint(profile())) return true;
    platform().messageBox(QStringLiteral("The profile already holds the maximum of 2000 points."),
                          QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

}  // namespace solvane
