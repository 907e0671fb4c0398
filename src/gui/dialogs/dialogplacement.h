#pragma once

class QWidget;

namespace solvane {

// Places window in the middle of its screen: left = (screen width - window width) / 2, top likewise,
// in whole pixels with the remainder dropped.
void centreOnScreen(QWidget& window);

}  // namespace solvane
