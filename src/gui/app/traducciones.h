#pragma once
// Qt's own texts (file dialogs, standard buttons, context menus) in Spanish,
// whatever the system's language: the console speaks only Spanish. Qt's
// catalogues come from the system (on Debian, qt6-translations-l10n).
class QCoreApplication;

namespace orda::gui {

// False when the Spanish catalogue is not installed; Qt's texts then stay
// in English.
bool instalarTraduccionesQt(QCoreApplication& app);

}  // namespace orda::gui
