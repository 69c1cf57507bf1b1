# new -> export -> import gives the same file, byte for byte; an erased file
# exports as the defaults and says so; the readable listing; a refused
# document writes nothing.
. "$(dirname "$0")/comun.sh"

configuracion_nueva
[ "$(wc -c <a.dat)" -eq 12289 ] || falla "a.dat no mide 12289 bytes"
espera 0 "$CLI" import a.json b.dat
cmp -s a.dat b.dat || falla "b.dat difiere de a.dat"
# The password travels in the file, upper case as the panel keeps it.
sed 's/"clave": ""/"clave": "abc1"/' a.json >c.json
espera 0 "$CLI" import c.json c.dat
espera 0 "$CLI" export c.dat
contiene out '"clave": "ABC1"'

head -c 12289 /dev/zero | tr '\0' '\377' >borrada.dat
espera 0 "$CLI" export borrada.dat
contiene err 'El archivo tiene 48 registros sin programar: se cargaron los valores por omisión.'
contiene out '"alias": "ENTRADA1"'

# The readable listing, one line per field of each window.
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

# A refused document writes nothing, whatever the stage that refuses it (the
# editors' rules themselves are checked on the JSON library).
printf 'archivo viejo' >viejo.dat
# rechaza JSON MENSAJE
rechaza() {
  espera 1 "$CLI" import "$1" viejo.dat
  contiene err "$2"
  [ "$(cat viejo.dat)" = "archivo viejo" ] || falla "$1: se escribió viejo.dat"
}

sed '0,/"600"/s//"400000"/' a.json >retardo.json
rechaza retardo.json 'entradas[0].retardoActivacion: El valor debe ser menor a 327,675 seg'
# Accepted by its box, but no byte can hold it: the save stops.
sed 's/"duracionLlamada": "5"/"duracionLlamada": "-5"/' a.json >negativo.json
rechaza negativo.json 'Información de Error en mProgGlobal: ERROR: 6 - Desbordamiento'
rechaza falta.json 'No se pudo leer el archivo: No existe el archivo o la carpeta'

espera 1 "$CLI" import a.json sin/carpeta.dat
contiene err 'No se pudo guardar el archivo: No existe el archivo o la carpeta'
terminar
