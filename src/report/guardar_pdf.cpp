// The report's one write to disk: whole or not at all, the old file kept on
// failure.
#include <QSaveFile>

#include "report/documento_informe.h"

namespace orda::report {

std::optional<std::string> guardarPdf(const QString& ruta, const QByteArray& pdf) {
  auto fallo = [&ruta](const QString& motivo) {
    return QStringLiteral("No se pudo guardar el informe en %1: %2").arg(ruta, motivo).toStdString();
  };
  if (pdf.isEmpty()) return fallo(QStringLiteral("no se pudo armar el documento"));
  QSaveFile f(ruta);
  if (!f.open(QIODevice::WriteOnly)) return fallo(f.errorString());
  if (f.write(pdf) != pdf.size()) {
    const QString motivo = f.errorString();
    f.cancelWriting();
    return fallo(motivo);
  }
  if (!f.commit()) return fallo(f.errorString());
  return std::nullopt;
}

}  // namespace orda::report
