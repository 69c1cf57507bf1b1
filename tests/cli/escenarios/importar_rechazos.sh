# A refused document writes nothing, whatever the reason.
. "$(dirname "$0")/comun.sh"

espera 0 "$CLI" new a.dat
espera 0 "$CLI" export a.dat
cp out a.json
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

sed 's/"numero": "\*\*\*\*\*\*\*\*\*\*"/"numero": "1234 中"/' a.json >numero.json
rechaza numero.json "telefonos[8].numero: El campo 'Número' debe tener 10 dígitos numéricos (0~9) "

sed 's/"textoSaldo": "SALDO"/"textoSaldo": "CONSULTA DE SALDO"/' a.json >largo.json
rechaza largo.json 'globales.textoSaldo: Texto demasiado largo'

sed 's/"clave": ""/"clave": "", "extra": 1/' a.json >extra.json
rechaza extra.json 'globales.extra: Clave desconocida'

sed 's/"habDisparo": 0/"habDisparo": "0"/' a.json >tipo.json
rechaza tipo.json 'entradas[7].habDisparo: Se esperaba un número entero'

head -c 200 a.json >cortado.json
rechaza cortado.json 'El archivo no es un JSON válido'

# Accepted by its box, but no byte can hold it: the save stops.
sed 's/"duracionLlamada": "5"/"duracionLlamada": "-5"/' a.json >negativo.json
rechaza negativo.json 'Información de Error en mProgGlobal: ERROR: 6 - Desbordamiento'

rechaza falta.json 'No se pudo leer el archivo: No existe el archivo o la carpeta'
rechaza . 'No se pudo leer el archivo: Es una carpeta'

espera 1 "$CLI" import a.json sin/carpeta.dat
contiene err 'No se pudo guardar el archivo: No existe el archivo o la carpeta'
terminar
