#!/usr/bin/env bash
# Builds and runs every benchmark against the real stores in build/bin and prints one table.
# Usage: bench/run.sh [BUILD_DIR] [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
cmake -B "$build" -DORDBOK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" >/dev/null
results=$(mktemp -d)
for program in "$build"/bench/bench_*; do
    [ -x "$program" ] || continue
    "$program" --benchmark_format=json "$@" >"$results/$(basename "$program").json" 2>/dev/null \
        || echo "$(basename "$program") failed" >&2
done
python3 - "$results" <<'PY'
import json, pathlib, sys
rows = []
for path in sorted(pathlib.Path(sys.argv[1]).glob("*.json")):
    try:
        data = json.loads(path.read_text())
    except json.JSONDecodeError:
        continue
    for b in data.get("benchmarks", []):
        if b.get("run_type") == "aggregate":
            continue
        extra = ", ".join(f"{k}={v:.4g}" if isinstance(v, float) else f"{k}={v}"
                          for k, v in b.items()
                          if k in ("items_per_second", "bytes_per_second", "label"))
        if b.get("error_occurred"):
            extra = "skipped: " + b.get("error_message", "")
        rows.append((path.stem, b["name"], b.get("real_time", 0), b.get("cpu_time", 0),
                     b.get("time_unit", ""), extra))
print(f"| {'program':<16} | {'benchmark':<48} | {'real':>10} | {'cpu':>10} | unit | notes")
print(f"|{'-'*18}|{'-'*50}|{'-'*12}|{'-'*12}|------|------")
for program, name, real, cpu, unit, extra in rows:
    print(f"| {program:<16} | {name:<48} | {real:>10.3f} | {cpu:>10.3f} | {unit:<4} | {extra}")
PY
rm -rf "$results"
