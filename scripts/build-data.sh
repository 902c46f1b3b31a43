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
build_data american.qxm build-maindict --frequency /usr/share/common-licenses /usr/share/dict/american-english-large
