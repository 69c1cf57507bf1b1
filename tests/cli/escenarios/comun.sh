# Shared by the orda-cli scenarios: $1 is orda-cli, $2 a fresh work folder.
set -u
CLI=$1
DIR=$2
rm -rf "$DIR" && mkdir -p "$DIR" && cd "$DIR" || exit 1
fallas=0

falla() {
  echo "FALLA: $*" >&2
  fallas=$((fallas + 1))
}

# espera CODIGO comando...: runs the command (stdout to out, stderr to err)
# and checks its exit status.
espera() {
  codigo=$1
  shift
  "$@" >out 2>err
  rc=$?
  if [ "$rc" -ne "$codigo" ]; then
    falla "$* -> salida $rc, se esperaba $codigo"
    sed 's/^/  stderr: /' err >&2
  fi
}

# contiene ARCHIVO TEXTO: the file holds the text as a fixed string.
contiene() {
  grep -qF -- "$2" "$1" || falla "$1 no contiene: $2"
}

tamano() { wc -c <"$1" | tr -d ' '; }

# a.dat, a new configuration, and a.json, its document.
configuracion_nueva() {
  "$CLI" new a.dat >/dev/null 2>err && "$CLI" export a.dat >a.json 2>>err || falla "new/export a.dat: $(cat err)"
}

# volcado.bin, a history dump: the reference record announcing 4 records,
# then a zone trigger on input 2, a call that failed to phone entry 1, and a
# zone input that does not exist.
volcado() {
  printf '\044\001\025\020\060\000\000\000\004\000' >volcado.bin
  printf '\044\001\025\020\061\005\012\001\000\000' >>volcado.bin
  printf '\044\001\026\010\000\000\015\001\000\000' >>volcado.bin
  printf '\044\001\026\010\001\000\012\024\000\000' >>volcado.bin
  truncate -s 4096 volcado.bin
}

terminar() {
  [ "$fallas" -eq 0 ] || exit 1
  exit 0
}
