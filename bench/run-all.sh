#!/usr/bin/env bash
# Builds and runs every benchmark; each prints its own figures.
set -euo pipefail
build="${1:-build}"
cmake --build "$build" -j "$(nproc)" --target make_language_file make_dictionary window_bench lochelper-cli
for target in dictionary_bench dictedit_bench; do
  cmake --build "$build" -j "$(nproc)" --target "$target" >/dev/null 2>&1 || true
done
echo "== lochelper-cli throughput"
./bench/cli_throughput.sh "$build/bin"
echo "== helper window"
"$build/bin/window_bench"
for program in dictionary_bench dictedit_bench; do
  if [ -x "$build/bin/$program" ]; then
    echo "== $program"
    "$build/bin/$program"
  fi
done
