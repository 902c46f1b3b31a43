#!/usr/bin/env bash
# Measures the shipped thesaurus against a reference thesaurus on our
# development list of common words (bench/thesaurus-dev-words.txt).
#   scripts/thesaurus-quality.sh MEASURE_SCRIPT [ARGS...]
# runs MEASURE_SCRIPT WORDLIST dist/linux/bin/wendrix-cli ARGS... (the
# measuring script compares `wendrix-cli thesaurus WORD` with the reference).
#   scripts/thesaurus-quality.sh --make-list
# rewrites the list: the 5,000 most frequent WordNet lemmas by the tag counts
# of cntlist.rev (all senses added up), single words of letters and hyphens,
# ties in alphabetical order.
set -euo pipefail
cd "$(dirname "$0")/.."
list=bench/thesaurus-dev-words.txt
if [ "${1:-}" = --make-list ]; then
  awk '{ split($1, key, "%"); lemma = tolower(key[1]); count[lemma] += $3 }
       END { for (l in count) print count[l] "\t" l }' /usr/share/wordnet/cntlist.rev |
    LC_ALL=C sort -t$'\t' -k1,1nr -k2,2 | cut -f2 |
    grep -E '^[a-z]+(-[a-z]+)*$' | awk 'NR <= 5000' >"$list"
  echo "$list: $(wc -l <"$list") words"
  exit 0
fi
[ $# -ge 1 ] || { echo "usage: $0 MEASURE_SCRIPT [ARGS...] | --make-list" >&2; exit 2; }
script=$1; shift
python3 "$script" "$list" dist/linux/bin/wendrix-cli "$@"
