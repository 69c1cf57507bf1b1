# The readable listing, and files that are no configuration.
. "$(dirname "$0")/comun.sh"

espera 0 "$CLI" new a.dat
espera 0 "$CLI" export a.dat --text
contiene out 'Entrada 8'
contiene out 'Alias Identificación: "ENTRADA8"'
contiene out 'Retardo de activación [mseg]: "600"'
contiene out 'Programación automática 4: Hab no, Desde 00:00, Hasta 00:00'
contiene out 'Pertenece a ...: "SERV TECNICO"'
contiene out 'Comportamiento Salida 3: Ninguno'
contiene out 'No permitir desarmar el sistema: sí'
contiene out 'Mensaje de SMS: "Comunicación OK"'

head -c 100 a.dat >corto.dat
espera 1 "$CLI" export corto.dat
contiene err 'El archivo no es una configuración válida (100 bytes)'
[ -s out ] && falla "un archivo corto produjo salida"
espera 1 "$CLI" export falta.dat --text
contiene err 'No se pudo leer el archivo: No existe el archivo o la carpeta'

# A file with a tail after the image still opens.
cat a.dat a.dat >doble.dat
espera 0 "$CLI" export doble.dat
terminar
