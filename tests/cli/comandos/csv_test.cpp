#include "cli/csv.h"

#include <gtest/gtest.h>

namespace orda::cli {
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
  EXPECT_EQ(filaCsv({"1", "", "x,y"}), "1,,\"x,y\"\r\n");
}

}  // namespace
}  // namespace orda::cli
