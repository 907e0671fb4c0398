#include "offscreennoise.h"

#include <QString>
#include <QtGlobal>

namespace solvane {

namespace {

QtMessageHandler previousHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void quietOffscreenWarnings()
{
    if (previousHandler) return;
    previousHandler = qInstallMessageHandler(filterMessage);
}

}  // namespace solvane
