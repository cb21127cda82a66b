#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). SANITIZE=1 builds with AddressSanitizer
# and UndefinedBehaviorSanitizer. Extra arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build_dir=${BUILD_DIR:-build}
options=(-DWARNINGS_AS_ERRORS="${WARNINGS_AS_ERRORS:-ON}")
[[ ${SANITIZE:-0} == 1 ]] && options+=(-DSANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B "$build_dir" "${generator[@]}" "${options[@]}" "$@"
targets=()
for t in ${TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j "${JOBS:-2}" "${targets[@]}"
