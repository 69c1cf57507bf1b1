# History dumps described as text and as CSV, with the aliases of a
# configuration file when one is given.
. "$(dirname "$0")/comun.sh"

volcado
espera 0 "$CLI" history volcado.bin
[ "$(wc -l <out)" -eq 4 ] || falla "se esperaban 4 líneas"
contiene out '  1  15/01/24  10:31:05  0A 01 00 00  Disparo por zona 2: ENTRADA2'
contiene out '  3  16/01/24  08:01:00  0A 14 00 00  '
contiene err 'Registro 3: Fila 23 inexistente en la tabla de entradas'

configuracion_nueva
sed 's/"ENTRADA2"/"PATIO, FONDO"/' a.json >patio.json
espera 0 "$CLI" import patio.json patio.dat
espera 0 "$CLI" history volcado.bin --config patio.dat --csv
cr=$(printf '\r')
contiene out "1,15/01/24,10:31:05,\"Disparo por zona 2: PATIO, FONDO\",0A,01,00,00$cr"
[ "$(grep -c "$cr\$" out)" -eq 5 ] || falla "cada línea CSV termina en CRLF"

# A whole image whose first 4096 bytes hold the history.
cp volcado.bin imagen.dat
truncate -s 12289 imagen.dat
espera 0 "$CLI" history imagen.dat
[ "$(wc -l <out)" -eq 4 ] || falla "la imagen completa da 4 líneas"

truncate -s 5000 volcado.bin
espera 1 "$CLI" history volcado.bin
contiene err 'El archivo no es un volcado del historial'
espera 1 "$CLI" history imagen.dat --config falta.dat
terminar
