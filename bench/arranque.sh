#!/usr/bin/env bash
# Start-up of the console against the floor: `orda --simulate
# --exit-after-startup` and the minimal multiple-document program, each run
# N times in turn (default 15), on the offscreen platform unless
# QT_QPA_PLATFORM says otherwise. Prints the medians, their ratio (goal: 2.0
# or less) and the console's peak resident memory (goal: under 80 MB).
#
#   bench/arranque.sh [N]        with ORDA_BUILD_DIR (default build)
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir=${ORDA_BUILD_DIR:-build}
case "$dir" in /*) ;; *) dir="$raiz/$dir" ;; esac
veces=${1:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cmake --build "$dir" -j2 --target orda orda_arranque_referencia >/dev/null
orda="$dir/src/gui/orda"
referencia=$(find "$dir" -type f -perm -u+x -name orda_arranque_referencia | head -n 1)

# Warm the caches once: the first start reads every library from disk.
"$orda" --simulate --exit-after-startup >/dev/null 2>&1
"$referencia" >/dev/null 2>&1

medir() { "$@" 2>/dev/null | sed -n 's/^arranque_ms=\([0-9.]*\) rss_max_kb=\([0-9]*\)$/\1 \2/p'; }
t_orda=() t_ref=() rss=()
for ((i = 0; i < veces; i++)); do
  read -r t k < <(medir "$orda" --simulate --exit-after-startup)
  t_orda+=("$t") rss+=("$k")
  read -r t _ < <(medir "$referencia")
  t_ref+=("$t")
done

mediana() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
m_orda=$(mediana "${t_orda[@]}")
m_ref=$(mediana "${t_ref[@]}")
rss_max=$(printf '%s\n' "${rss[@]}" | sort -n | tail -n 1)
awk -v o="$m_orda" -v r="$m_ref" -v k="$rss_max" -v n="$veces" -v p="$QT_QPA_PLATFORM" 'BEGIN {
  printf "plataforma %s, %d arranques de cada uno (mediana)\n", p, n
  printf "orda --simulate:      %7.1f ms\n", o
  printf "referencia (MDI):     %7.1f ms\n", r
  printf "relación:             %7.2f  (meta: 2.0 o menos)\n", o / r
  printf "memoria residente máx: %6.1f MB (meta: menos de 80 MB)\n", k / 1024
}'
