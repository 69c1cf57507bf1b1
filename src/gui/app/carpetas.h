#pragma once
// Where the console finds its pictures, writes its image log and looks for
// its manual. In a build tree or a portable folder the application folder is
// the program's own folder; installed under a prefix (program in
// <prefix>/bin) it is <prefix>/share/orda, so that scanning "the application
// folder itself" never walks the system's bin folder.
#include <QString>

namespace orda::gui {

inline constexpr const char* kNombreRegistroImagenes = "imagenes.log";

// The application folder for a program living in `carpetaPrograma`.
QString carpetaAplicacion(const QString& carpetaPrograma);
// The same for the running program.
QString carpetaAplicacion();

// "images" under the application folder, or $ORDA_IMAGENES when set.
QString carpetaImagenes(const QString& carpetaApp);

// The image log: in the application folder when it is writable, otherwise in
// the user's own data folder (created on demand).
QString rutaRegistroImagenes(const QString& carpetaApp);

// The user manual's first page, or empty when it is not there.
QString rutaManual(const QString& carpetaApp);

// The first folder the file dialogs open: the user's documents, or the
// home folder when there is no documents folder.
QString dirInicial();

}  // namespace orda::gui
