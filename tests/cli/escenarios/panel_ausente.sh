# A panel that answers nothing, or none attached: exit 1, a message, soon,
# and no file touched.
. "$(dirname "$0")/comun.sh"

# pronto SEGUNDOS CODIGO comando...: as espera, and it ends within SEGUNDOS.
pronto() {
  limite=$1
  shift
  desde=$(date +%s)
  espera "$@"
  [ $(($(date +%s) - desde)) -le "$limite" ] || falla "$* tardó más de $limite s"
}

echo viejo >y.dat
pronto 5 1 "$CLI" --simulate --silent read -o y.dat
contiene err 'El panel no respondió. La programación mostrada no cambió.'
contiene err 'No se guardó y.dat'
contiene y.dat viejo

pronto 5 1 "$CLI" --simulate --silent history -o h.bin
contiene err 'El panel no respondió. Se mantienen los registros mostrados.'
[ -e h.bin ] && falla "se escribió h.bin"

pronto 4 1 "$CLI" --simulate --silent send hola
contiene err 'El panel no respondió.'
[ -s out ] && falla "send sin respuesta escribió: $(cat out)"

pronto 4 1 "$CLI" --simulate send "$(printf '%062d' 0)"
contiene err 'El comando no puede superar 61 caracteres'

# The USB link with no panel on it (or no access to USB at all).
pronto 6 1 "$CLI" read -o z.dat
grep -qE 'No se encontró el panel ORDA202 conectado por USB.|No se pudo acceder a los dispositivos USB.' err ||
  falla "sin panel: $(cat err)"
[ -e z.dat ] && falla "se escribió z.dat"
terminar
