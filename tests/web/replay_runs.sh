#!/usr/bin/env bash
# Replays the command-line runs the tests kept (TW_RECORD_RUNS) through another build of the
# game, each in its folders as the run found them, and fails on the first byte that differs.
# Usage: tests/web/replay_runs.sh RECORDS COMMAND...   e.g. RECORDS node build/web/tarmac-warden.js
set -euo pipefail
records=$(realpath "$1")
shift
got=$(mktemp -d)
trap 'rm -rf "$got"' EXIT
count=0 failed=0
for record in "$records"/*/; do
  mapfile -d '' roots <"$record/roots"
  for i in "${!roots[@]}"; do
    rm -rf "${roots[i]}"
    mkdir -p "$(dirname "${roots[i]}")"
    cp -a "$record/snapshot/$i" "${roots[i]}"
  done
  mapfile -d '' args <"$record/args"
  mapfile -d '' environment <"$record/env"
  status=0
  env "${environment[@]}" "$@" "${args[@]}" <"$record/input" >"$got/out" 2>"$got/err" || status=$?
  rm -rf "${roots[@]}"
  count=$((count + 1))
  for part in out err; do
    if ! cmp -s "$record/$part" "$got/$part"; then
      echo "$(basename "$record"): standard ${part/err/error} differs (${args[*]})"
      diff "$record/$part" "$got/$part" | head -10 || true
      failed=$((failed + 1))
    fi
  done
  if [ "$status" != "$(cat "$record/status")" ]; then
    echo "$(basename "$record"): exit status $status, where the desktop's was $(cat "$record/status")"
    failed=$((failed + 1))
  fi
done
echo "$count runs replayed, $failed differences"
[ "$failed" -eq 0 ] && [ "$count" -gt 0 ]
