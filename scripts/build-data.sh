#!/usr/bin/env bash
# Builds the program's data files from Debian's open data with our own builder
# tools, when they are missing or older than their builder, and installs them
# beside the Windows program. WX_DATA_PART=main builds only the thesaurus, the
# definitions and the American English dictionary; WX_DATA_PART=languages only
# the other languages' dictionaries (the test command builds those while the
# first end-to-end tests run).
set -euo pipefail
cd "$(dirname "$0")/.."
part=${WX_DATA_PART:-all}
bin=dist/linux/bin
data=build/data
mkdir -p "$data" dist/windows

# build_data FILE BUILDER ARGS...: runs "BUILDER ARGS... OUT" when FILE is stale:
# missing, or older than its builder or than any file named in DEPENDS.
DEPENDS=()
build_data() {
  local file=$1 tool=$2; shift 2
  if [ ! -x "$bin/$tool" ]; then
    echo "== $file: builder $tool not built yet, skipped"
    return 0
  fi
  local stale=0 dep
  [ ! -s "$data/$file" ] || [ "$bin/$tool" -nt "$data/$file" ] && stale=1
  for dep in "${DEPENDS[@]}"; do [ "$dep" -nt "$data/$file" ] && stale=1; done
  if [ "$stale" = 1 ]; then
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
if [ "$part" != languages ]; then
  build_data Thesaurus.qxt build-thesaurus --words "$WORDS" --common "$COMMON" "$WORDNET"
  build_data Definitions.ydd build-definitions "$WORDNET"
fi
# Word ranks for ranked suggestions: counts in the fortunes and in WordNet's
# glosses, and whether the common-size word list holds the word.
RANK_ARGS=()
for f in /usr/share/games/fortunes/* /usr/share/wordnet/data.noun /usr/share/wordnet/data.verb \
         /usr/share/wordnet/data.adj /usr/share/wordnet/data.adv; do
  case "$f" in */fortunes/*.*) continue ;; esac  # the fortunes' indexes and UTF-8 links
  [ -f "$f" ] && RANK_ARGS+=(--rank-text "$f")
done
[ -f /usr/share/dict/american-english ] && RANK_ARGS+=(--common /usr/share/dict/american-english)
if [ "$part" != languages ]; then
  build_data american.qxm build-maindict --frequency /usr/share/common-licenses "${RANK_ARGS[@]}" \
    /usr/share/dict/american-english-large
fi
[ "$part" != main ] || exit 0

# The main dictionaries of the other interface languages, from Debian's
# Hunspell dictionaries: FILE, the .dic (its .aff beside it), the Windows
# language identifier and the title the options dialog shows. Two are built at
# a time (each builder is single-threaded); a failure stops the build.
HUNSPELL=/usr/share/hunspell
LANGUAGES=(
  "british.qxm    en_GB 0x0809 English (United Kingdom)"
  "danish.qxm     da_DK 0x0406 Dansk"
  "dutch.qxm      nl    0x0413 Nederlands"
  "french.qxm     fr    0x040C Français (France)"
  "german.qxm     de_DE 0x0407 Deutsch (Deutschland)"
  "italian.qxm    it_IT 0x0410 Italiano"
  "brazilian.qxm  pt_BR 0x0416 Português (Brasil)"
  "portuguese.qxm pt_PT 0x0816 Português (Portugal)"
  "spanish.qxm    es_ES 0x0C0A Español"
  "swedish.qxm    sv_SE 0x041D Svenska"
)
build_language() {
  local file=$1 dic=$2 id=$3; shift 3
  local title="$*" extra=()
  local path; path=$(readlink -f "$HUNSPELL/$dic.dic")
  # What does not fit the file's limits or would make an outsized lookup index
  # (build-maindict tells what each option leaves out): Italian joins its
  # elided articles to the dictionary forms only (all of them would be 150
  # million words) and has no index (4 million words: 48 MB); Brazilian
  # Portuguese leaves out forms more than 4 letters longer than their stem
  # (diminutives and superlatives of derived words: the linkage area would
  # outgrow its 20-bit offsets) and has no index (2 million words). British
  # English takes the English word ranks.
  case "$file" in
    italian.qxm) extra=(--stem-elisions-only --no-index) ;;
    brazilian.qxm) extra=(--max-growth 4 --no-index) ;;
    british.qxm) extra=(--frequency /usr/share/common-licenses "${RANK_ARGS[@]}") ;;
  esac
  DEPENDS=("$path" "${path%.dic}.aff")
  # The builder's summary stays in FILE.log until the next build of FILE.
  build_data "$file" build-maindict --language "$id" --title "$title" "${extra[@]}" "$path" > "$data/$file.out" 2>&1
  if [ -s "$data/$file.out" ]; then
    mv -f "$data/$file.out" "$data/$file.log"
    tr '\r' '\n' < "$data/$file.log" | grep -v -e '%$' -e '^$' || true
  fi
  rm -f "$data/$file.out"
}
declare -A building=()
finish() {  # waits for the build with process id $1
  if ! wait "$1"; then
    echo "== FAILED: ${building[$1]}"
    tr '\r' '\n' < "$data/${building[$1]}.out" | grep -v '%$' | tail -20
    exit 1
  fi
}
echo "== main dictionaries of the other languages [${SECONDS}s]"
pids=()
for entry in "${LANGUAGES[@]}"; do
  # shellcheck disable=SC2086
  build_language $entry &
  building[$!]=${entry%% *}
  pids+=($!)
  if ((${#pids[@]} == 2)); then
    finish "${pids[0]}"
    pids=("${pids[1]}")
  fi
done
for p in "${pids[@]}"; do finish "$p"; done
echo "== main dictionaries done [${SECONDS}s]"
