#pragma once
// Qt's own texts (standard buttons, the colour dialog, context menus) in French.

class QCoreApplication;

namespace zorvane::ui {

// Loads Qt's French catalogue from the system's translations folder; false when it is
// missing, in which case Qt's texts stay English.
bool InstallFrenchTranslations(QCoreApplication& application);

} // namespace zorvane::ui
