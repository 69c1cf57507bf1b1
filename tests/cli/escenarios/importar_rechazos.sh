# A refused document writes nothing, whatever the stage that refuses it (the
# editors' rules themselves are checked on the JSON library).
. "$(dirname "$0")/comun.sh"

configuracion_nueva
printf 'archivo viejo' >viejo.dat

rechaza() {
  json=$1
  mensaje=$2
  espera 1 "$CLI" import "$json" viejo.dat
  contiene err "$mensaje"
  [ "$(cat viejo.dat)" = "archivo viejo" ] || falla "$json: se escribió viejo.dat"
  espera 1 "$CLI" import "$json" nuevo.dat
  [ -e nuevo.dat ] && falla "$json: se creó nuevo.dat"
  ls -A | grep -q '\.tmp$' && falla "$json: quedó un temporal"
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
