# new -> export -> import gives the same file, byte for byte, even over a
# longer old file; an erased file exports as the defaults and says so.
. "$(dirname "$0")/comun.sh"

configuracion_nueva
[ "$(tamano a.dat)" = 12289 ] || falla "a.dat mide $(tamano a.dat) bytes"
espera 0 "$CLI" import a.json b.dat
cmp -s a.dat b.dat || falla "b.dat difiere de a.dat"
head -c 20000 /dev/zero >largo.dat
espera 0 "$CLI" import a.json largo.dat
cmp -s a.dat largo.dat || falla "largo.dat conserva la cola"
# The password travels in the file, upper case as the panel keeps it.
sed 's/"clave": ""/"clave": "abc1"/' a.json >c.json
espera 0 "$CLI" import c.json c.dat
espera 0 "$CLI" export c.dat
contiene out '"clave": "ABC1"'

head -c 12289 /dev/zero | tr '\0' '\377' >borrada.dat
espera 0 "$CLI" export borrada.dat
contiene err 'El archivo tiene 48 registros sin programar: se cargaron los valores por omisión.'
contiene out '"alias": "ENTRADA1"'
terminar
