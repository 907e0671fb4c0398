#pragma once

class QWidget;

namespace solvane {

// Places window in the middle of its screen: left = (screen width - window width) / 2, top likewise,
// in whole pixels with the remainder dropped.
void centreOnScreen(QWidget& window);

// The decimal separator of the user's locale, as the number formats print it.
char localeDecimalSeparator();

}  // namespace solvane
