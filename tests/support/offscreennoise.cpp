#include "offscreennoise.h"

#include <QString>
#include <QtGlobal>

namespace solvane {

namespace {

QtMessageHandler previousHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

void quietOffscreenWarnings()
{
    if (previousHandler) return;
    previousHandler = qInstallMessageHandler(filterMessage);
}

}  // namespace solvane
