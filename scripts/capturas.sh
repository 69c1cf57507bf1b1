#!/usr/bin/env bash
# Pictures of the console for the README and the user manual, into
# docs/manual/imagenes/ (or the folder given), drawn by orda_capturas
# (tools/capturas):
#   - consola-arranque.png: the console itself on the simulated panel under
#     Xvfb, a few seconds after start-up (connected, signal level shown);
#   - the rest offscreen in virtual time: the console after a read, toolbar,
#     status bar, menus, the window arrangements, the end of a programming
#     run, memory viewer, splash, exit question, Diferencias, each
#     configuration window, Info, Histórico, Seguimiento, Instalaciones and
#     the options of Informe;
#   - informe-pagina.png: the top of the first page of the demo
#     configuration's report, as orda-cli writes it (pdftoppm).
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
cmake --build "$dir" -j2 --target orda_capturas --target orda-cli >/dev/null
capturas=$(find "$dir/tools" -type f -perm -u+x -name orda_capturas | head -n 1)
export ORDA_IMAGENES="$raiz/images"

echo "capturas: la consola bajo Xvfb (unos 8 s)…" >&2
xvfb-run -a -s "-screen 0 1600x1000x24" "$capturas" "$destino" --consola 2>/dev/null

echo "capturas: las ventanas…" >&2
QT_QPA_PLATFORM=offscreen "$capturas" "$destino" >/dev/null

echo "capturas: la primera página del informe…" >&2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$dir/src/cli/orda-cli" --simulate read -o "$tmp/demo.dat" 2>/dev/null
"$dir/src/cli/orda-cli" report "$tmp/demo.dat" -o "$tmp/demo.pdf"
pdftoppm -png -gray -r 80 -f 1 -l 1 -W 662 -H 580 -singlefile "$tmp/demo.pdf" "$destino/informe-pagina"
ls "$destino"
