// The main window's document commands: New, Open, Save, Save As, Exit and the close check.
#include <QMainWindow>

#include "mainwindow/form1.h"
#include "platform/colours.h"
#include "settings/settings.h"

namespace solvane {

void Form1::File_New_Click() {}

void Form1::File_Open_Click() {}

void Form1::File_Save_Click() {}

void Form1::File_SaveAs_Click() {}

void Form1::File_Exit_Click() { close(); }

bool Form1::Form_Unload()
{
    if (profile_.DataChanged) {
        const MessageAnswer answer = platform_.messageBox(
            QStringLiteral("The data has changed\r\nsince your last save.\r\n    Quit anyway?"),
            QStringLiteral("Data Not Saved"), MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return false;
    }
    const QRect frame = geometry();
    const WindowPlacement current{pixelsToTwips(frame.left(), logicalDpi()), pixelsToTwips(frame.top(), logicalDpi()),
                                  pixelsToTwips(frame.width(), logicalDpi()),
                                  pixelsToTwips(frame.height(), logicalDpi())};
    savesettings(profile_, platform_.settings(), current);
    return true;
}

}  // namespace solvane
