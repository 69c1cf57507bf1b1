#include "core/config/disposicion_globales.h"

namespace orda::config {

using namespace opcion;
using namespace caja;

const std::vector<GrupoGlobal>& gruposGlobales() {
  static const std::vector<GrupoGlobal> g = {
      {"Forma de armar el sistema",
       {{FilaGlobal::Opcion, kNoPermitirDesarmar}, {FilaGlobal::Opcion, kRearmadoAutomatico},
        {FilaGlobal::Opcion, kArmadoAlResetear},
        {FilaGlobal::Numerada, kAvisoArmadoA, 8, "Notificación por armada/desarmado:"}}},
      {"Miscelánea",
       {{FilaGlobal::Opcion, kServTecRemoto},
        {FilaGlobal::Numerada, kGrupoHabilitado, 4, "Habilitación global de grupo:"},
        {FilaGlobal::Texto, kDuracionDisparo}, {FilaGlobal::Texto, kDuracionStr},
        {FilaGlobal::Texto, kNumeroSaldo}, {FilaGlobal::Texto, kTextoSaldo}}},
      {"Notificación por llamada",
       {{FilaGlobal::Opcion, kLlamadaDiaria}, {FilaGlobal::Texto, kHoraLlamada},
        {FilaGlobal::Texto, kDuracionLlamada},
        {FilaGlobal::Numerada, kLlamadaDiariaA, 8, "Notificar al número de teléfono:"}}},
      {"Notificación por SMS",
       {{FilaGlobal::Opcion, kSmsDiario}, {FilaGlobal::Texto, kHoraSms}, {FilaGlobal::Texto, kMensajeSms},
        {FilaGlobal::Numerada, kSmsDiarioA, 8, "Notificar al número de teléfono:"}}},
      {"Uso de clave para SMS", {{FilaGlobal::Opcion, kUsoClave}, {FilaGlobal::Texto, kClave}}},
  };
  return g;
}

const char* captionOpcion(int i) {
  static const char* const kCaptions[] = {
      "CoAdministrador", "Llamada diaria", "SMS diario", "No permitir desarmar el sistema", "Rearmado automático",
      "Sistema armado cuando resetea", "Permitir 'Serv. Téc. Remoto'",
  };
  if (i >= 0 && i < static_cast<int>(std::size(kCaptions))) return kCaptions[i];
  return i == kUsoClave ? "Habilitar uso de clave" : "";
}

}  // namespace orda::config
