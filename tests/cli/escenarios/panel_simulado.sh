# Each device command against the simulated panel, through the real event
# loop: what it writes and prints (what the panel does with it is checked on
# the console's core).
. "$(dirname "$0")/comun.sh"
cr=$(printf '\r')

espera 0 "$CLI" --simulate read -o x.dat
contiene err 'Transfiriendo: 100%'
espera 0 "$CLI" export x.dat --text
contiene out 'Panel: V2.02  SN: 12345'

# Global options may come after the command too.
espera 0 "$CLI" program x.dat --simulate --latency-ms 2
[ "$(cat out)" = "Registros sin confirmar: 0" ] || falla "programar: $(cat out)"

espera 0 "$CLI" --simulate history --csv -o h.bin
[ "$(grep -c "$cr\$" out)" -ge 10 ] || falla "pocas filas CSV"
[ "$(tamano h.bin)" -eq 4096 ] || falla "h.bin no tiene 4096 bytes"

espera 0 "$CLI" --simulate send 'V!203'
[ "$(cat out)" = "Version grabada: 203" ] || falla "send: $(cat out)"
espera 0 "$CLI" --simulate clock
contiene out 'Reloj del panel puesto en'
espera 0 "$CLI" --simulate monitor --seconds 1
contiene out 'estados  salidas'
[ "$(wc -l <out)" -ge 6 ] || falla "monitor: pocas líneas"
terminar
