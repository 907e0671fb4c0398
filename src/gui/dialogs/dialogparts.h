#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollBar;
class QWidget;

namespace solvane {

// Pieces the modal dialogs share.

// Places window in the middle of its screen: left = (screen width - window width) / 2, top likewise,
// in whole pixels with the remainder dropped.
void centreOnScreen(QWidget& window);

// A label with its control name as object name.
QLabel* makeLabel(const char* name, const QString& text, QWidget* parent);

// A horizontal scroll bar whose change is reported when a drag ends, not while the thumb moves. Its
// keys step the value: Left and Down decrease it, Right and Up increase it.
QScrollBar* makeScrollBar(const char* name, int minimumWidth, QWidget* parent);

// OK and Cancel side by side, OK the default button; centred, or at the right edge.
enum class ButtonRowPlacement { Centred, Right };
QHBoxLayout* makeOkCancelRow(QPushButton* ok, QPushButton* cancel,
                             ButtonRowPlacement placement = ButtonRowPlacement::Centred);

}  // namespace solvane
