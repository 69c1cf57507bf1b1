#!/usr/bin/env bash
# Start-up of the console against the floor: `orda_arranque --simulate` (the
# console itself, quitting once shown) and the minimal multiple-document program
# (orda_arranque_referencia), run N times each in turn (default 21), on the
# offscreen platform unless QT_QPA_PLATFORM says otherwise. For each, the
# median of:
#   - launch to window shown (wall clock, the libraries' loading included),
#   - processor time up to then (steadier on a busy machine),
#   - main() to window shown;
# the ratios orda / reference (goal: 2.0 or less) and the console's peak
# resident memory (goal: under 80 MB).
#
#   bench/arranque.sh [N]        with ORDA_BUILD_DIR (default build)
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${ORDA_BUILD_DIR:-build}
case "$dir" in /*) ;; *) dir="$raiz/$dir" ;; esac
veces=${1:-21}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# The console finds its pictures beside `orda`; this one runs from the build folder.
export ORDA_IMAGENES=${ORDA_IMAGENES:-$raiz/images}

cmake --build "$dir" -j2 --target orda_arranque orda_arranque_referencia >/dev/null
orda="$dir/orda_arranque"
referencia=$dir/orda_arranque_referencia

# One run: "launch_ms cpu_ms main_ms rss_kb".
medir() {
  local antes linea
  antes=${EPOCHREALTIME/[.,]/}
  linea=$("$@" 2>/dev/null | grep '^arranque_ms=')
  awk -v a="$antes" -v l="$linea" 'BEGIN {
    n = split(l, c, /[ =]/)
    for (i = 1; i < n; i += 2) v[c[i]] = c[i + 1]
    printf "%.2f %s %s %s\n", (v["reloj_us"] - a) / 1000, v["cpu_ms"], v["arranque_ms"], v["rss_max_kb"]
  }'
}

# Warm the caches once: the first start reads every library from disk.
medir "$orda" --simulate >/dev/null
medir "$referencia" >/dev/null

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for ((i = 0; i < veces; i++)); do
  medir "$orda" --simulate >>"$tmp/orda"
  medir "$referencia" >>"$tmp/ref"
done

mediana() { cut -d' ' -f"$2" "$1" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
rss=$(cut -d' ' -f4 "$tmp/orda" | sort -n | tail -n 1)
awk -v p="$QT_QPA_PLATFORM" -v n="$veces" -v k="$rss" \
  -v o1="$(mediana "$tmp/orda" 1)" -v r1="$(mediana "$tmp/ref" 1)" \
  -v o2="$(mediana "$tmp/orda" 2)" -v r2="$(mediana "$tmp/ref" 2)" \
  -v o3="$(mediana "$tmp/orda" 3)" -v r3="$(mediana "$tmp/ref" 3)" 'BEGIN {
  printf "plataforma %s, %d arranques de cada uno (medianas)\n", p, n
  printf "%-34s %9s %11s %9s\n", "", "orda", "referencia", "relación"
  printf "%-34s %7.1f ms %8.1f ms %9.2f\n", "lanzamiento -> ventana mostrada", o1, r1, o1 / r1
  printf "%-34s %7.1f ms %8.1f ms %9.2f\n", "tiempo de procesador hasta allí", o2, r2, o2 / r2
  printf "%-34s %7.1f ms %8.1f ms %9.2f\n", "main() -> ventana mostrada", o3, r3, o3 / r3
  printf "meta: relación 2.0 o menos (lanzamiento -> ventana mostrada)\n"
  printf "memoria residente máxima de orda: %.1f MB (meta: menos de 80 MB)\n", k / 1024
}'
