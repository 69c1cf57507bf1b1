# Bad usage ends with status 2 and a message; help is not an error.
. "$(dirname "$0")/comun.sh"

espera 2 "$CLI"
contiene err 'Uso incorrecto: falta el comando'
espera 2 "$CLI" monitor --seconds x
contiene err '--seconds: el valor x no está entre 1 y 86400'
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
contiene out 'Uso: orda-cli import'
contiene out 'Muestra esta ayuda y sale'
# No word of CLI11's own English may reach the user.
for ingles in Usage Options Positionals Subcommands REQUIRED 'Print this' Needs; do
  grep -q "$ingles" out && falla "ayuda en inglés: $ingles"
done
espera 0 "$CLI" --version
contiene out 'orda-cli 2.'
terminar
