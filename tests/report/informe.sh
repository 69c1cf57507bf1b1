# orda-cli report on the simulated panel's demo configuration: the PDF's
# text as pdftotext reads it back, the two options, the paper size, and
# the refusals.
. "$(dirname "$0")/../cli/escenarios/comun.sh"
command -v pdftotext >/dev/null || { echo "falta pdftotext (poppler-utils)" >&2; exit 1; }

# texto PDF: the PDF's text, one file per PDF.
texto() { pdftotext "$1" "$1.txt" || falla "pdftotext $1"; }
no_contiene() { ! grep -qF -- "$2" "$1" || falla "$1 contiene: $2"; }

espera 0 "$CLI" --simulate read -o demo.dat
espera 0 "$CLI" export demo.dat --text
sed -n 's/.*\(Alias Identificación\|Pertenece a \.\.\.\): "\(..*\)"$/\2/p' out >alias
[ "$(wc -l <alias)" -ge 16 ] || falla "la demostración tiene pocos alias: $(cat alias)"

LC_ALL=es_AR.UTF-8 espera 0 "$CLI" report demo.dat -o completo.pdf
texto completo.pdf
while read -r a; do contiene completo.pdf.txt "$a"; done <alias
for t in 'Programación de Entradas' 'Programación de Salidas' 'Listado de números telefónicos habilitados' \
         'Configuraciones globales' 'Funciones Especiales' 'Desactivación' 'Retardo de' \
         'Comportamiento Entrada 2' 'Notificación por armada/desarmado:' 'V2.02' 'SN: 12345' 'demo.dat' \
         'Página 1 de 2' 'Página 2 de 2' '1143215678'; do
  contiene completo.pdf.txt "$t"
done
# The phone list's header rows come again on the page it continues on.
[ "$(grep -c 'Pertenece a' completo.pdf.txt)" -eq 2 ] || falla "encabezado del listado no repetido"
pdfinfo completo.pdf | grep -q 'A4' || falla "el informe no es A4"

LC_ALL=en_US.UTF-8 espera 0 "$CLI" report demo.dat -o carta.pdf --mask-phones
texto carta.pdf
pdfinfo carta.pdf | grep -qi 'letter' || falla "con medidas de EE. UU. el informe no es Carta"
contiene carta.pdf.txt '*******678'
contiene carta.pdf.txt '*******234'
contiene carta.pdf.txt '**********'
no_contiene carta.pdf.txt '1143215678'
no_contiene carta.pdf.txt '1140001234'

espera 0 "$CLI" report demo.dat -o distintos.pdf --non-default --mask-phones
texto distintos.pdf
contiene distintos.pdf.txt 'Solo valores distintos de los de fábrica'
contiene distintos.pdf.txt 'De fábrica'
contiene distintos.pdf.txt 'PUERTA PPAL'
contiene distintos.pdf.txt 'Comportamiento Entrada 1'
contiene distintos.pdf.txt '*******678'
no_contiene distintos.pdf.txt '1143215678'
# Rows still as a new configuration has them are left out.
no_contiene distintos.pdf.txt 'Comportamiento Entrada 2'
no_contiene distintos.pdf.txt 'Llamada diaria'

# A new configuration: nothing differs.
espera 0 "$CLI" new nuevo.dat
espera 0 "$CLI" report nuevo.dat -o nuevo.pdf --non-default
texto nuevo.pdf
contiene nuevo.pdf.txt 'Todos los valores son los de fábrica.'

espera 2 "$CLI" report demo.dat
head -c 100 demo.dat >corto.dat
espera 1 "$CLI" report corto.dat -o corto.pdf
contiene err 'El archivo no es una configuración válida (100 bytes)'
[ -e corto.pdf ] && falla "un archivo corto dejó un informe"
espera 1 "$CLI" report demo.dat -o falta/informe.pdf
contiene err 'No se pudo guardar el informe en falta/informe.pdf'
terminar
