#!/usr/bin/env bash
# Builds everything and runs the example session: refhost in a fresh host folder under the
# build folder, with both plug-ins loaded from the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
build_dir=${BUILD_DIR:-build}
home="$build_dir/example-home"
rm -rf "$home"
mkdir -p "$home"
cp -r examples/home/. "$home"/ 2>/dev/null || true
exec "$build_dir/bin/refhost" --home "$home" --plugins "$build_dir/PLUGINS" examples/session.script
