#!/usr/bin/env bash
# Throughput of each pass through lochelper-cli on a generated 1,000,000-line
# language file (translate and single on its three-line layout, translate against
# a 1,000,000-entry dictionary, its load included), with the same three-line
# layout done by awk beside it.
set -euo pipefail
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/make_language_file" 1000000 > "$work/big.lng"
# A 1,000,000-entry dictionary for translate: the file's own terms, then generated ones.
{
  printf 'open file\t打开文件\nsave as\t另存为\nexit\t退出\n'
  awk 'BEGIN { for (i = 3; i < 1000000; i++) printf "term %d\t术语%d\n", i, i }'
} > "$work/dictionary.tsv"
"$bin/../data/make_dictionary" "$work/dictionary.tsv" "$work/default.edb"
"$bin/lochelper-cli" three < "$work/big.lng" > "$work/three.txt"
size_mb=$(awk -v b="$(stat -c %s "$work/big.lng")" 'BEGIN { printf "%.1f", b / 1e6 }')
echo "language file: 1000000 lines, $size_mb MB"

# Best of three runs, in seconds.
best_of_three() {
  local best=""
  for _ in 1 2 3; do
    local start end took
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    took=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f", e - s }')
    if [ -z "$best" ] || awk -v a="$took" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$took; fi
  done
  echo "$best"
}

awk_three=$(best_of_three awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" } { print; print; print "" }' "$work/big.lng")
printf '%-28s %7s s\n' "awk three-line layout" "$awk_three"
for pass in accel three translate single; do
  input="$work/big.lng"
  case "$pass" in translate | single) input="$work/three.txt" ;; esac
  took=$(best_of_three "$bin/lochelper-cli" --dict "$work/default.edb" --input "$input" "$pass")
  mb=$(stat -c %s "$input")
  awk -v p="$pass" -v t="$took" -v b="$mb" -v a="$awk_three" \
    'BEGIN { printf "%-28s %7.3f s  %7.1f MB/s  awk/cli %.1fx\n", "lochelper-cli " p, t, b / 1e6 / t, a / t }'
done
