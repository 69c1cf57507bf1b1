#!/usr/bin/env bash
# Renders every picture of images/ at 16, 24 and 48 px onto one PNG, with Qt's
# own renderer (plus an enlarged sheet of the 16 and 24 px renders), and regenerates the 256 px application icon for packaging.
#   scripts/imagenes/hoja_de_contacto.sh [salida.png] [escala]
set -euo pipefail
raiz=$(cd "$(dirname "$0")/../.." && pwd)
salida=${1:-/tmp/hoja.png}
escala=${2:-1}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

g++ -std=c++20 -O1 -Wall -Wextra -fPIC -o "$tmp/hoja" "$raiz/scripts/imagenes/hoja_de_contacto.cpp" \
    $(pkg-config --cflags --libs Qt6Svg Qt6Gui Qt6Core)

"$tmp/hoja" hoja "$raiz/images" "$salida" "$escala"
"$tmp/hoja" detalle "$raiz/images" "${salida%.png}-detalle.png" 4
echo "detalle: ${salida%.png}-detalle.png"
"$tmp/hoja" png "$raiz/images/orda.svg" "$raiz/packaging/icons/orda.png" 256
echo "icono: $raiz/packaging/icons/orda.png"
