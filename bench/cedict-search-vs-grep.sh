#!/usr/bin/env bash
# One search of the whole cedict.b5 (the CEDICT search page's, as `ordbok-cli cedict-search`
# runs it) against `LC_ALL=C grep -F -c TERM cedict.b5` on the same file, in one run, for
# terms with few hits. The search must take at most 1.5 times as long as grep.
# Usage: bench/cedict-search-vs-grep.sh [BUILD_DIR] [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
cmake --build "$build" --target bench_cedictsearch >/dev/null
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$build/bench/bench_cedictsearch" --benchmark_format=json "$@" >"$json"
python3 - "$json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
print(f"{'term':<20} {'hits':>5} {'search ms':>10} {'grep ms':>9} {'grep start':>11} "
      f"{'ratio':>6} {'work':>6} {'cpu':>6}")
worst = 0
for b in data["benchmarks"]:
    if b.get("error_occurred"):
        print(b["name"], "skipped:", b.get("error_message", ""))
        continue
    term = b["name"].split("/")[1]
    worst = max(worst, b["ratio"])
    print(f"{term:<20} {int(b['hits']):>5} {b['search_ms']:>10.2f} {b['grep_ms']:>9.2f} "
          f"{b['grep_start_ms']:>11.2f} {b['ratio']:>6.2f} {b['ratio_work']:>6.2f} "
          f"{b['ratio_cpu']:>6.2f}")
print()
print("ratio: search / whole grep run; work: against grep minus its process start;")
print("cpu: processor time against grep's. Medians of the iterations.")
if worst:
    print(f"highest ratio {worst:.2f}: {'within' if worst <= 1.5 else 'OVER'} the 1.5 limit")
PY
