#pragma once
// Qt's own texts in Chinese: the buttons of message boxes, the standard open, save and print
// dialogs, the context menus of edit boxes and the errors of the network layer.

class QString;

namespace corvel::ui {

// Loads Qt's Chinese translations into the running application; the program and the tests
// call it once after creating the application object. Returns false when the translations
// are not installed (the standard texts then stay English).
bool installChineseTranslations();

// The folder the translations are read from.
QString translationsPath();

} // namespace corvel::ui
