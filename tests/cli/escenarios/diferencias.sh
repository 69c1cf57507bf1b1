# diff: the exit status of diff(1), one line or one JSON object per field,
# raw bytes only when asked, and the simulated panel against a file.
. "$(dirname "$0")/comun.sh"

configuracion_nueva
espera 0 "$CLI" diff a.dat a.dat
[ -s out ] && falla "iguales: $(cat out)"
sed 's/"ENTRADA1"/"PORTÓN"/; s/"1.20"/"1.2"/' a.json >b.json
espera 0 "$CLI" import b.json b.dat
espera 1 "$CLI" diff a.dat b.dat
[ "$(cat out)" = "Programación de Entradas | 1 PORTÓN | Alias Identificación | ENTRADA1 -> PORTÓN" ] ||
  falla "diff: $(cat out)"
espera 1 "$CLI" diff --json a.dat b.dat
contiene out '"despues": "PORTÓN"'

# A byte that no field covers (input 1, offset 40) counts only with --bytes.
cp a.dat c.dat
printf '\000' | dd of=c.dat bs=1 seek=8232 conv=notrunc 2>/dev/null
espera 0 "$CLI" diff a.dat c.dat
espera 1 "$CLI" diff a.dat c.dat --bytes --json
contiene out '"offset": 8232'

head -c 100 a.dat >corto.dat
espera 2 "$CLI" diff a.dat corto.dat
espera 2 "$CLI" diff a.dat
espera 2 "$CLI" diff --panel a.dat b.dat

espera 0 "$CLI" --simulate read -o panel.dat
espera 0 "$CLI" --simulate diff --panel panel.dat
espera 1 "$CLI" --simulate diff --panel a.dat
contiene out 'Programación de Entradas | 1 ENTRADA1 | Alias Identificación | PUERTA PPAL -> ENTRADA1'
espera 2 "$CLI" --simulate --silent diff --panel a.dat
terminar
