# The readable listing, one line per field of each window, and a file that
# is no configuration.
. "$(dirname "$0")/comun.sh"

espera 0 "$CLI" new a.dat
espera 0 "$CLI" export a.dat --text
contiene out 'Entrada 8'
contiene out 'Alias Identificación: "ENTRADA8"'
contiene out 'Programación automática 4: Hab no, Desde 00:00, Hasta 00:00'
contiene out 'Pertenece a ...: "SERV TECNICO"'
contiene out 'Comportamiento Salida 3: Ninguno'
contiene out 'No permitir desarmar el sistema: sí'
contiene out 'Mensaje de SMS: "Comunicación OK"'

head -c 100 a.dat >corto.dat
espera 1 "$CLI" export corto.dat --text
contiene err 'El archivo no es una configuración válida (100 bytes)'
[ -s out ] && falla "un archivo corto produjo salida"
terminar
