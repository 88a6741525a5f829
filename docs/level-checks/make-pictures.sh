#!/bin/sh
# Draws the pictures of docs/level-checks.md: compiles levels.txt and renders
# each level with prvl (from build/bin unless PRVL says otherwise).
set -e
here=$(cd "$(dirname "$0")" && pwd)
prvl=${PRVL:-$here/../../build/bin/prvl}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$prvl" compile "$here/levels.txt" "$tmp/checks.map" 2>/dev/null
level=0
for rule in no-player too-many-players no-exit too-few-gems exit-sealed gems-sealed \
            exit-behind-walls several-players door-without-key key-without-door \
            target-format no-time; do
  cell=16
  [ "$rule" = target-format ] && cell=8
  "$prvl" render "$tmp/checks.map" --level $level -o "$here/$rule.png" --cell $cell
  level=$((level + 1))
done
"$prvl" check "$tmp/checks.map" --target bd4 | sed "s|$tmp/||" > "$here/check-output.txt" || true
