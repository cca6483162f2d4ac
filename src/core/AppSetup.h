#pragma once

class QApplication;

namespace qv {

// Names the application, sets the locale the program formats with and loads Qt's German texts, so
// that message boxes and dialogs say "Ja", "Nein" and "Abbrechen".
void PrepareApplication(QApplication& application);

} // namespace qv
