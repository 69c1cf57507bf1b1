# Pipes, devices and lost output: nothing waits for ever, nothing but a
# regular file is replaced, and output that never arrived is an error.
. "$(dirname "$0")/comun.sh"

configuracion_nueva
mkfifo tubo

# A pipe with no writer is refused at once, as a source (every command reads
# through the same check) and as a destination.
espera 1 timeout 10 "$CLI" history tubo
contiene err 'No se pudo leer el archivo: tubo no es un archivo común'
espera 1 timeout 10 "$CLI" import a.json tubo
contiene err 'No se pudo guardar el archivo: tubo no es un archivo común'

# "-" is the standard input.
"$CLI" import - b.dat <a.json 2>err || falla "import - falló: $(cat err)"
cmp -s a.dat b.dat || falla "import - no dio el mismo archivo"
head -c 4096 a.dat | "$CLI" history - >out 2>err
[ $? -eq 0 ] || falla "history - falló: $(cat err)"

# Output lost to a full disk or a closed pipe.
for comando in "export a.dat" "--simulate send hola" "--simulate program a.dat" "--simulate clock"; do
  # shellcheck disable=SC2086
  "$CLI" $comando >/dev/full 2>err
  rc=$?
  [ "$rc" -eq 1 ] || falla "$comando >/dev/full -> salida $rc"
  contiene err 'No se pudo escribir la salida'
done
{
  "$CLI" --simulate monitor --seconds 60 2>err
  echo $? >rc
} | head -c 1 >/dev/null
[ "$(cat rc)" -eq 1 ] || falla "monitor con la tubería cerrada -> salida $(cat rc)"
contiene err 'No se pudo escribir la salida'
terminar
