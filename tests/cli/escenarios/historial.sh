# History dumps described as text and as CSV.
. "$(dirname "$0")/comun.sh"

# Reference record announcing 4 records, then a zone trigger on input 2, a
# call that failed to phone entry 1, and a zone input that does not exist.
printf '\044\001\025\020\060\000\000\000\004\000' >volcado.bin
printf '\044\001\025\020\061\005\012\001\000\000' >>volcado.bin
printf '\044\001\026\010\000\000\015\001\000\000' >>volcado.bin
printf '\044\001\026\010\001\000\012\024\000\000' >>volcado.bin
truncate -s 4096 volcado.bin

espera 0 "$CLI" history volcado.bin
[ "$(wc -l <out)" -eq 4 ] || falla "se esperaban 4 líneas"
contiene out '  0  15/01/24  10:30:00  00 00 04 00  Registro de referencia:  4 registros'
contiene out '  1  15/01/24  10:31:05  0A 01 00 00  Disparo por zona 2: ENTRADA2'
contiene out 'Error - Número máximo de reintentos en llamada al número: **********'
contiene out '  3  16/01/24  08:01:00  0A 14 00 00  '
contiene err 'Registro 3: Fila 23 inexistente en la tabla de entradas'

# The aliases come from a configuration file when one is given.
espera 0 "$CLI" new a.dat
espera 0 "$CLI" export a.dat
sed 's/"ENTRADA2"/"PATIO, FONDO"/' out >patio.json
espera 0 "$CLI" import patio.json patio.dat
espera 0 "$CLI" history volcado.bin --config patio.dat --csv
cr=$(printf '\r')
contiene out "Nº,Fecha,Hora,Descripción,Código 1,Código 2,Código 3,Código 4$cr"
contiene out "1,15/01/24,10:31:05,\"Disparo por zona 2: PATIO, FONDO\",0A,01,00,00$cr"
contiene out "3,16/01/24,08:01:00,,0A,14,00,00$cr"
[ "$(grep -c "$cr\$" out)" -eq 5 ] || falla "cada línea CSV termina en CRLF"

# A whole image whose first 4096 bytes hold the history.
cp volcado.bin imagen.dat
truncate -s 12289 imagen.dat
espera 0 "$CLI" history imagen.dat
[ "$(wc -l <out)" -eq 4 ] || falla "la imagen completa da 4 líneas"

truncate -s 5000 volcado.bin
espera 1 "$CLI" history volcado.bin
contiene err 'El archivo no es un volcado del historial'
espera 1 "$CLI" history falta.bin
espera 1 "$CLI" history imagen.dat --config falta.dat
terminar
