# A panel that answers nothing, or none attached: exit 1, a message, and no
# file touched (each command's silence is checked on orda-cli's sessions).
. "$(dirname "$0")/comun.sh"

echo viejo >y.dat
espera 1 timeout 60 "$CLI" --simulate --silent read -o y.dat
contiene err 'El panel no respondió. La programación mostrada no cambió.'
contiene err 'No se guardó y.dat'
contiene y.dat viejo

# The USB link with no panel on it (or no access to USB at all).
espera 1 timeout 60 "$CLI" read -o z.dat
grep -qE 'No se encontró el panel ORDA202 conectado por USB.|No se pudo acceder a los dispositivos USB.' err ||
  falla "sin panel: $(cat err)"
[ -e z.dat ] && falla "se escribió z.dat"
terminar
