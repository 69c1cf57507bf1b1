#pragma once
// The computer's clock as the panel's clock commands take it.
#include <QDateTime>

#include "core/programming/puesta_en_hora.h"

namespace orda::gui {

inline programming::FechaHora ahoraCivil() {
  const QDateTime t = QDateTime::currentDateTime();
  return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

// "Archivo … guardado - 14:05": the time as the user's locale writes it short.
inline QString horaCorta() { return QLocale().toString(QTime::currentTime(), QLocale::ShortFormat); }

}  // namespace orda::gui
