#include "core/history/csv.h"

#include <gtest/gtest.h>

namespace orda::history {
namespace {

TEST(Csv, ComillasSoloDondeHacenFalta) {
  struct Caso {
    const char* campo;
    const char* escrito;
  };
  for (const Caso& c : {Caso{"Disparo por zona 2: PATIO", "Disparo por zona 2: PATIO"}, Caso{"", ""},
                        Caso{"A,B", "\"A,B\""}, Caso{"dice \"hola\"", "\"dice \"\"hola\"\"\""},
                        Caso{"dos\nlíneas", "\"dos\nlíneas\""}, Caso{"cr\r", "\"cr\r\""},
                        Caso{"Registro de referencia:  4 registros", "Registro de referencia:  4 registros"}}) {
    EXPECT_EQ(campoCsv(c.campo), c.escrito) << c.campo;
  }
  EXPECT_EQ(filaCsv(std::vector<std::string>{"1", "", "x,y"}), "1,,\"x,y\"\r\n");
}

TEST(Csv, UnRegistroSinDescripcionDejaSuCampoVacio) {
  FilaHistorial bien{1, "1", "15/01/24", "10:31:05", "Disparo por zona 2: PATIO, FONDO", {"0A", "01", "00", "00"}, ""};
  FilaHistorial mal{2, "2", "16/01/24", "08:01:00", "", {"0A", "14", "00", "00"}, "Fila 22 inexistente"};
  const std::vector<FilaHistorial> filas{bien, mal};
  EXPECT_EQ(historialCsv(filas),
            "Nº,Fecha,Hora,Descripción,Código 1,Código 2,Código 3,Código 4\r\n"
            "1,15/01/24,10:31:05,\"Disparo por zona 2: PATIO, FONDO\",0A,01,00,00\r\n"
            "2,16/01/24,08:01:00,,0A,14,00,00\r\n");
}

}  // namespace
}  // namespace orda::history
