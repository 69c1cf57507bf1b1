#!/usr/bin/env bash
# Pictures of the console for the README and the user manual, into
# docs/manual/imagenes/ (or the folder given):
#   - consola-arranque.png: `orda --simulate` itself under Xvfb, a few seconds
#     after start-up (connected, signal level shown);
#   - the rest from the window tests in virtual time (ORDA_CAPTURAS): the
#     console after a read, toolbar, status bar, menus, the window
#     arrangements, the end of a programming run, memory viewer, splash,
#     exit question, each configuration window, and Diferencias.
#
#   scripts/capturas.sh [CARPETA]     with ORDA_BUILD_DIR (default build)
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$raiz"
dir=${ORDA_BUILD_DIR:-build}
destino=$(realpath -m "${1:-docs/manual/imagenes}")
mkdir -p "$destino"

bash scripts/setup
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
pruebas=(gui_capturas_consola_test gui_capturas_test gui_capturas_tendencia_test gui_capturas_historial_test
  gui_comparar_test)
objetivos=(--target orda --target orda_carpeta_aplicacion)
ayuda=$(cmake --build "$dir" --target help)
for p in "${pruebas[@]}"; do
  grep -qx "\.\.\. $p" <<<"$ayuda" && objetivos+=(--target "$p")
done
cmake --build "$dir" -j2 "${objetivos[@]}" >/dev/null

echo "capturas: la consola bajo Xvfb (unos 8 s)…" >&2
xvfb-run -a -s "-screen 0 1600x1000x24" "$dir/src/gui/orda" --simulate \
  --captura "$destino/consola-arranque.png" --captura-espera-ms 6500 2>/dev/null

for p in "${pruebas[@]}"; do
  ejecutable=$(find "$dir/tests" -type f -perm -u+x -name "$p" | head -n 1)
  [ -n "$ejecutable" ] || continue
  echo "capturas: $p…" >&2
  ORDA_CAPTURAS="$destino" ORDA_IMAGENES="$raiz/images" QT_QPA_PLATFORM=offscreen "$ejecutable" >/dev/null
done
ls "$destino"
