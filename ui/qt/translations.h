#pragma once
// Qt's own texts (the buttons of message boxes, the file dialog) in Japanese,
// like the rest of the window.

class QCoreApplication;

namespace kestrel::ui {

// Loads Qt's Japanese translations from Qt's translations folder, or from a
// "translations" folder beside the program; true when they were found.
bool installQtTranslations(QCoreApplication& app);

}  // namespace kestrel::ui
