#!/usr/bin/env bash
# Prints what live spelling costs on long texts under Wine: for 10 KB, 100 KB,
# 1 MB and 5 MB of English prose (Debian's fortunes), the time from setting the
# text to the marks painted, a key typed near the top and at the end, and the
# private memory before, while open and after the window is gone; each beside
# a plain rich-edit control holding the same text in the same run. Figures
# only: nothing here passes or fails. Needs `bash scripts/build.sh` first.
# WX_SIZES_KB=1024,5120 measures only those sizes; WX_LIVE_WRAP=1 wraps the
# lines to the width (Instant Spell does not).
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/mingw/bench-live_typing.exe
dict=dist/windows/american.qxm
[ -f "$bench" ] && [ -f "$dict" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
text=$(mktemp --suffix=.txt)
trap 'rm -f "$text"' EXIT
for f in /usr/share/games/fortunes/*; do
  [ -f "$f" ] || continue
  case "$f" in *.*) continue ;; esac  # the fortunes' indexes and UTF-8 links
  cat "$f"
done | iconv -f UTF-8 -t WINDOWS-1252//TRANSLIT 2>/dev/null | iconv -f WINDOWS-1252 -t UTF-8 >"$text" || true
echo "text: $(wc -c <"$text") bytes of fortunes, repeated or cut to each size"
tests/e2e/with-wine.sh "$bench" "Z:$(readlink -f "$dict" | tr / '\\')" "Z:$(readlink -f "$text" | tr / '\\')" ${WX_SIZES_KB:+"$WX_SIZES_KB"}
