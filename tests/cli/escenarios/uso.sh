# Bad usage ends with status 2 and a message; help is not an error.
. "$(dirname "$0")/comun.sh"

espera 2 "$CLI"
contiene err 'Uso incorrecto'
espera 2 "$CLI" borrar a.dat
espera 2 "$CLI" export
espera 2 "$CLI" import solo.json
espera 2 "$CLI" export a.dat --xml
espera 2 "$CLI" new a.dat b.dat
espera 2 "$CLI" history a.bin -o b.bin
espera 2 "$CLI" read
espera 2 "$CLI" program
espera 2 "$CLI" send
espera 2 "$CLI" monitor --seconds 0
espera 2 "$CLI" --latency-ms 5 clock
espera 2 "$CLI" --silent clock
[ -e a.dat ] && falla "un uso incorrecto creó a.dat"
espera 0 "$CLI" --help
contiene out 'history'
espera 0 "$CLI" import --help
terminar
