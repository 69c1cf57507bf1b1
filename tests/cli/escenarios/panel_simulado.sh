# Each device command against the simulated panel through the real event
# loop, a panel that answers nothing and none attached: what each writes and
# how it ends (what each prints, and how each ends on every fault, is checked
# on orda-cli's sessions; what the panel does, on the console's core).
. "$(dirname "$0")/comun.sh"
cr=$(printf '\r')

espera 0 "$CLI" --simulate read -o x.dat
contiene err 'Transfiriendo: 100%'

# Global options may come after the command too.
espera 0 "$CLI" program x.dat --simulate --latency-ms 2

espera 0 "$CLI" --simulate history --csv -o h.bin
[ "$(grep -c "$cr\$" out)" -ge 10 ] || falla "pocas filas CSV"
[ "$(wc -c <h.bin)" -eq 4096 ] || falla "h.bin no tiene 4096 bytes"

espera 0 "$CLI" --simulate send 'V!203'
[ "$(cat out)" = "Version grabada: 203" ] || falla "send: $(cat out)"
espera 0 "$CLI" --simulate clock
espera 0 "$CLI" --simulate monitor --seconds 1
[ "$(wc -l <out)" -ge 6 ] || falla "monitor: pocas líneas"

# The USB link with no panel on it (or no access to USB at all).
espera 1 timeout 60 "$CLI" read -o z.dat
grep -qE 'No se encontró el panel ORDA202 conectado por USB.|No se pudo acceder a los dispositivos USB.' err ||
  falla "sin panel: $(cat err)"
[ -e z.dat ] && falla "se escribió z.dat"
terminar
