#pragma once
// The library's tables, created and brought up to date by the program
// itself. The table "esquema" holds the version the tables follow.
#include "sites/conexion.h"

namespace orda::sites {

inline constexpr int kVersionEsquema = 1;

// 0 for a database without our tables.
int versionEsquema(Conexion& c);

// Brings a database at an older version up to kVersionEsquema, one step per
// transaction; two programs starting at once do it once. Never called on a
// newer database.
void migrar(Conexion& c);

}  // namespace orda::sites
