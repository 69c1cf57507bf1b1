# History dumps described as text and as CSV, with the aliases of a
# configuration file when one is given; the installations library from the
# command line, on a SQLite file (each engine's own behaviour is checked on
# the library).
. "$(dirname "$0")/comun.sh"
cr=$(printf '\r')

# volcado.bin, a history dump: the reference record announcing 4 records,
# then a zone trigger on input 2, a call that failed to phone entry 1, and a
# zone input that does not exist.
printf '\044\001\025\020\060\000\000\000\004\000' >volcado.bin
printf '\044\001\025\020\061\005\012\001\000\000' >>volcado.bin
printf '\044\001\026\010\000\000\015\001\000\000' >>volcado.bin
printf '\044\001\026\010\001\000\012\024\000\000' >>volcado.bin
truncate -s 4096 volcado.bin
configuracion_nueva

espera 0 "$CLI" history volcado.bin
[ "$(wc -l <out)" -eq 4 ] || falla "se esperaban 4 líneas"
contiene out '  1  15/01/24  10:31:05  0A 01 00 00  Disparo por zona 2: ENTRADA2'
contiene out '  3  16/01/24  08:01:00  0A 14 00 00  '
contiene err 'Registro 3: Fila 23 inexistente en la tabla de entradas'

sed 's/"ENTRADA2"/"PATIO, FONDO"/' a.json >patio.json
espera 0 "$CLI" import patio.json patio.dat
espera 0 "$CLI" history volcado.bin --config patio.dat --csv
contiene out "1,15/01/24,10:31:05,\"Disparo por zona 2: PATIO, FONDO\",0A,01,00,00$cr"
[ "$(grep -c "$cr\$" out)" -eq 5 ] || falla "cada línea CSV termina en CRLF"

# A whole image whose first 4096 bytes hold the history.
cp volcado.bin imagen.dat
truncate -s 12289 imagen.dat
espera 0 "$CLI" history imagen.dat
[ "$(wc -l <out)" -eq 4 ] || falla "la imagen completa da 4 líneas"

sed 's/"ENTRADA1"/"PUERTA"/' a.json >b.json
export ORDA_DB=sqlite:$PWD/biblioteca.sqlite
espera 0 "$CLI" site add "Casa 'Pérez' 100%" --serial 12345 --address 'Av. 9 de Julio \1'
[ "$(cat out)" = 1 ] || falla "el primer sitio no es el 1: $(cat out)"
espera 0 "$CLI" site add Oficina
espera 0 "$CLI" site list --search "PÉREZ' 100%"
[ "$(cat out)" = "1	12345	Casa 'Pérez' 100%	Av. 9 de Julio \\1" ] || falla "list --search: $(cat out)"
espera 0 "$CLI" site edit Oficina --name 'Oficina central' --phone 555
espera 0 "$CLI" site show 'Oficina central' --json
contiene out '"telefono": "555"'

espera 0 "$CLI" site archive 12345 a.dat --note 'de fábrica'
version=$(cat out)
espera 0 "$CLI" site archive 1 b.json
espera 0 "$CLI" site versions 1
contiene out "importada"
espera 0 "$CLI" site restore 1 "$version" -o r.dat
cmp -s a.dat r.dat || falla "restore no devolvió la imagen archivada"

espera 0 "$CLI" site add-history 1 volcado.bin
[ "$(cat out)" = "3 eventos nuevos de 3" ] || falla "add-history: $(cat out)"
espera 0 "$CLI" site events 1 --csv
[ "$(head -n 1 out)" = "Nº,Fecha,Hora,Descripción,Código 1,Código 2,Código 3,Código 4$cr" ] || falla "cabecera CSV"
contiene out "3,15/01/24,10:31:05,Disparo por zona 2: ENTRADA2,0A,01,00,00$cr"
espera 0 "$CLI" site events 1 --from 2024-01-16 --code 0d --search 'REINTENTOS'
[ "$(wc -l <out)" -eq 1 ] || falla "events filtrado: $(cat out)"
espera 2 "$CLI" site events 1 --from 2024-13-01

# The panel's own serial picks the site.
espera 0 "$CLI" --simulate read -o x.dat --site auto
contiene err "Instalación \"Casa 'Pérez' 100%\": versión"
espera 0 "$CLI" --simulate history --site 12345
contiene err 'eventos nuevos de'
espera 1 "$CLI" --simulate read -o y.dat --site Nadie
contiene err 'No existe la instalación "Nadie"'
[ ! -e y.dat ] || falla "se leyó el panel para un sitio que no existe"

espera 2 "$CLI" site remove 1
espera 0 "$CLI" site remove 1 --yes
espera 1 "$CLI" site show 1
unset ORDA_DB

# A library that cannot be reached is an error with its reason (that the
# file is left as it was is checked on the library).
echo 'no soy una base' >texto.txt
espera 1 "$CLI" site list --db sqlite:texto.txt
contiene err 'no es una base de datos SQLite'
espera 1 "$CLI" --db 'postgresql://ana:secreto@%2Fno%2Fexiste:5432/orda' site list
contiene err 'no se pudo abrir'
grep -q secreto err && falla "la clave apareció en un mensaje"

truncate -s 5000 volcado.bin
espera 1 "$CLI" history volcado.bin
contiene err 'El archivo no es un volcado del historial'
espera 1 "$CLI" history imagen.dat --config falta.dat
terminar
