# The device commands against the simulated panel, through the real event
# loop: what each writes and prints.
. "$(dirname "$0")/comun.sh"
cr=$(printf '\r')

espera 0 "$CLI" --simulate read -o x.dat
[ "$(tamano x.dat)" -eq 12289 ] || falla "x.dat no tiene 12289 bytes"
contiene err 'Transfiriendo: 100%'
espera 0 "$CLI" export x.dat --text
contiene out 'Panel: V2.02  SN: 12345'
contiene out 'Alias Identificación: "PUERTA PPAL"'
contiene out 'Alias Identificación: "LUZ PATIO"'

espera 0 "$CLI" --simulate program x.dat
[ "$(cat out)" = "Registros sin confirmar: 0" ] || falla "programar: $(cat out)"
# Global options may come after the command too.
espera 0 "$CLI" program x.dat --simulate --latency-ms 2
contiene out 'Registros sin confirmar: 0'

espera 0 "$CLI" --simulate history --csv -o h.bin
contiene out "Nº,Fecha,Hora,Descripción,Código 1,Código 2,Código 3,Código 4$cr"
contiene out "Inicio del sistema: Conexión de la alimentación"
[ "$(grep -c "$cr\$" out)" -ge 10 ] || falla "pocas filas CSV"
[ "$(tamano h.bin)" -eq 4096 ] || falla "h.bin no tiene 4096 bytes"
# The dump kept describes the same, with the panel's aliases from its file.
espera 0 "$CLI" history h.bin --config x.dat
contiene out 'Disparo por zona 1: PUERTA PPAL'

espera 0 "$CLI" --simulate send hola
[ "$(cat out)" = "Comando no reconocido: hola" ] || falla "send: $(cat out)"
espera 0 "$CLI" --simulate send 'V!203'
contiene out 'Version grabada: 203'

espera 0 "$CLI" --simulate clock
contiene out 'Hora grabada:'
contiene out 'Fecha grabada:'
contiene out 'Reloj del panel puesto en'

espera 0 "$CLI" --simulate monitor --seconds 1
contiene out 'estados  salidas'
[ "$(wc -l <out)" -ge 6 ] || falla "monitor: pocas líneas"
terminar
