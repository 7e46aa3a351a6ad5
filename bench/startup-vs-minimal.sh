#!/usr/bin/env bash
# Start-up, side by side: the program auto-started in English on the real stores against a
# minimal Qt Widgets program showing one window of the same title and size (bare, and furnished
# with a menu bar and a line of Chinese in the program's font), each timed from
# process start to its first frame (ORDBOK_EXIT_WHEN_SHOWN), taking turns, median of RUNS.
# With --split, the steps of the start are timed one by one as well (median of RUNS), on to the
# rest of the main window, which comes after its first frame.
# Usage: bench/startup-vs-minimal.sh [--split] [BUILD_DIR] [RUNS]
# The stores come from ORDBOK_DATA_DIR (default BUILD_DIR/bin). Runs under Xvfb when there is
# no display.
set -euo pipefail
cd "$(dirname "$0")/.."
split=0
if [ "${1:-}" = "--split" ]; then split=1; shift; fi
build=$(realpath "${1:-build}")
runs=${2:-20}
data=$(realpath "${ORDBOK_DATA_DIR:-$build/bin}")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$0" $([ $split = 1 ] && echo --split) "$build" "$runs"
fi
cmake -B "$build" -DORDBOK_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target ordbok minimalwindow startupsplit >/dev/null

# A scratch program folder: the program copied (its folder is where it finds everything), the
# stores and files linked, fonts marked installed, English auto-started.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
for file in "$data"/*; do
    case "$(basename "$file")" in ordbok|ordbok-cli|inst.ini|font.log|temp) ;; *) ln -s "$file" "$folder/" ;; esac
done
cp "$build/bin/ordbok" "$folder/ordbok"
mkdir -p "$folder/temp"
printf '"Ja"\r\n' >"$folder/font.log"

python3 - "$folder" "$build/bench" "$runs" "$split" <<'PY'
import os, statistics, subprocess, sys, time
folder, bench, runs, split = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4] == "1"

# inst.ini: the 36 fixed-width fields of record 1, autoStartEnglish (the 29th) set to 1.
widths = [5, 2, 10, 10, 10, 10, 10, 10, 6, 10, 10, 10, 10, 10, 10, 15, 10, 2, 2, 2, 5, 5,
          140, 10, 10, 10, 10, 10, 10, 2, 3, 2, 2, 10, 10, 15]
def write_settings():
    fields = [b" " * w for w in widths]
    fields[28] = b"1".ljust(widths[28])
    with open(os.path.join(folder, "inst.ini"), "wb") as f:
        f.write(b"".join(fields).ljust(836))

def shown(command):
    env = dict(os.environ, ORDBOK_EXIT_WHEN_SHOWN="1", QT_LOGGING_RULES="*.debug=false")
    start = time.monotonic_ns()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    line = process.stdout.readline().decode().split()
    try:
        process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
        raise SystemExit(f"{command[0]} did not quit after its window was shown")
    if len(line) != 3 or line[0] != "shown":
        raise SystemExit(f"{command[0]} showed no window (exit {process.returncode})")
    return (int(line[1]) - start) / 1e6, line[2]

program = [os.path.join(folder, "ordbok")]
write_settings()
_, size = shown(program)  # warms the caches and tells the window's size
minimal = [os.path.join(bench, "minimalwindow"), size]
furnished = minimal + [os.path.join(folder, "MSSONG.ttf")]
shown(minimal)
shown(furnished)
times = {"program": [], "minimal": [], "furnished": []}
for _ in range(runs):
    write_settings()  # as the user left it: the program writes it back when it quits
    times["program"].append(shown(program)[0])
    times["minimal"].append(shown(minimal)[0])
    times["furnished"].append(shown(furnished)[0])
real, least = statistics.median(times["program"]), statistics.median(times["minimal"])
floor = statistics.median(times["furnished"])
print(f"window {size}, {runs} runs each, process start to first frame (median):")
print(f"  ordbok, English auto-started:   {real:7.1f} ms")
print(f"  minimal Qt Widgets window:      {least:7.1f} ms")
print(f"  the same, menu bar and Chinese: {floor:7.1f} ms")
print(f"  ratio: {real / least:.2f} (to the furnished window: {real / floor:.2f})")

if split:
    steps = {}
    for _ in range(runs):
        write_settings()
        start = time.monotonic_ns()
        out = subprocess.run([os.path.join(bench, "startupsplit"), folder], capture_output=True,
                             env=dict(os.environ, QT_LOGGING_RULES="*.debug=false"), timeout=30)
        total = (time.monotonic_ns() - start) / 1e6
        sum_ms = 0.0
        for line in out.stdout.decode().splitlines():
            name, ms = line.rsplit(" ", 1)
            steps.setdefault(name, []).append(float(ms))
            sum_ms += float(ms)
            if name == "first frame painted":
                steps.setdefault("(main to first frame)", []).append(sum_ms)
        steps.setdefault("(main to whole window)", []).append(sum_ms)
        steps.setdefault("(whole process, to exit)", []).append(total)
    print(f"split of the start (median of {runs}, ms):")
    for name, values in steps.items():
        print(f"  {name:<32} {statistics.median(values):7.1f}")
PY
