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


# a.dat, a new configuration, and a.json, its document.
configuracion_nueva() {
  "$CLI" new a.dat >/dev/null 2>err && "$CLI" export a.dat >a.json 2>>err || falla "new/export a.dat: $(cat err)"
}

terminar() { exit $((fallas > 0)); }
