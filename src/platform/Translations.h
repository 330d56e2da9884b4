// The program speaks Japanese whatever the desktop's language: Qt's own dialogs, buttons and
// the context menus of text fields too.
#pragma once

class QCoreApplication;

namespace kumo {

// Loads Qt's Japanese catalogue into the application; false when it is not installed.
bool InstallJapaneseTranslations(QCoreApplication& application);

}  // namespace kumo
