#pragma once

class QApplication;

namespace qv {

// What must be set before the application object exists: the embedded browser of the news view needs
// shared GL contexts and, when the program runs as root, its sandbox switched off.
void PrepareBeforeApplication();

// Names the application, sets the locale the program formats with and loads Qt's German texts, so
// that message boxes and dialogs say "Ja", "Nein" and "Abbrechen".
void PrepareApplication(QApplication& application);

} // namespace qv
