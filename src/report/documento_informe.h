#pragma once
// The report on paper: one text document laid out on the pages of a PDF
// writer or a printer, with the report's header line at the top of every
// page and "Página N de M" at the bottom. Table headers repeat on each page.
#include <QByteArray>
#include <QPageSize>
#include <optional>
#include <string>

#include "report/modelo_informe.h"

class QDateTime;
class QLocale;
class QPagedPaintDevice;
class QString;

namespace orda::report {

// The report's date and time, the same whatever the locale: "06/12/2026 13:05".
std::string fechaHoraInforme(const QDateTime& momento);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize tamanoPagina(const QLocale& locale);

// Paints the report on the device's pages. False when the device could not
// be painted on (a printer that refused the job, a full disk).
bool pintarInforme(const Informe& informe, QPagedPaintDevice& dispositivo);

// The report as a PDF document; empty when it could not be made.
QByteArray pdfInforme(const Informe& informe, const QPageSize& tamano);

// Writes the PDF whole or not at all; the message for the user on failure.
std::optional<std::string> guardarPdf(const QString& ruta, const QByteArray& pdf);

}  // namespace orda::report
