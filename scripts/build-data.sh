#!/usr/bin/env bash
# Builds the program's data files from Debian's open data with our own builder
# tools, when they are missing or older than their builder, and installs them
# beside the Windows program.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=dist/linux/bin
data=build/data
mkdir -p "$data" dist/windows

# build_data FILE BUILDER ARGS...: runs "BUILDER ARGS... OUT" when FILE is stale.
build_data() {
  local file=$1 tool=$2; shift 2
  if [ ! -x "$bin/$tool" ]; then
    echo "== $file: builder $tool not built yet, skipped"
    return 0
  fi
  if [ ! -s "$data/$file" ] || [ "$bin/$tool" -nt "$data/$file" ]; then
    echo "== building $file with $tool"
    "$bin/$tool" "$@" "$data/$file.tmp"
    mv -f "$data/$file.tmp" "$data/$file"
  fi
  cp -pf "$data/$file" dist/windows/  # keeps the date: the installer is packed again only when data changed
}

WORDNET=/usr/share/wordnet
# The word list confirms regular inflected forms ("stopped", not "stoped").
WORDS=/usr/share/dict/american-english-large
# The smaller list of common words tells which words a writer meets often.
COMMON=/usr/share/dict/american-english
build_data Thesaurus.qxt build-thesaurus --words "$WORDS" --common "$COMMON" "$WORDNET"
build_data Definitions.ydd build-definitions "$WORDNET"
# Word ranks for ranked suggestions: counts in the fortunes and in WordNet's
# glosses, and whether the common-size word list holds the word.
RANK_ARGS=()
for f in /usr/share/games/fortunes/* /usr/share/wordnet/data.noun /usr/share/wordnet/data.verb \
         /usr/share/wordnet/data.adj /usr/share/wordnet/data.adv; do
  case "$f" in */fortunes/*.*) continue ;; esac  # the fortunes' indexes and UTF-8 links
  [ -f "$f" ] && RANK_ARGS+=(--rank-text "$f")
done
[ -f /usr/share/dict/american-english ] && RANK_ARGS+=(--common /usr/share/dict/american-english)
build_data american.qxm build-maindict --frequency /usr/share/common-licenses "${RANK_ARGS[@]}" \
  /usr/share/dict/american-english-large
