#!/usr/bin/env bash
# Prints, per language, how our main dictionary compares with Hunspell's on
# the same word list, on text nobody here wrote: Debian's fortunes (German,
# Italian, Spanish, Brazilian Portuguese, English) and manual pages rendered to
# text (French, Danish, Dutch, Swedish). One table row a language (see
# bench/language_figures.cpp for what each column measures), then the tokens
# most often flagged by one and not the other. European Portuguese is measured
# on the Brazilian text, British English on the English fortunes. Figures
# only: nothing here passes or fails. Needs `bash scripts/build.sh` first;
# installs the texts and Aspell's dictionaries it compares with.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/native/bench-language_figures
[ -x "$bench" ] || bench=dist/linux/bin/bench-language_figures
[ -x "$bench" ] || { echo "build first: bash scripts/build.sh" >&2; exit 1; }
data=build/data
seed=${WX_SEED:-26}

need=(fortunes-de fortunes-it fortunes-es fortunes-br manpages-fr manpages-da manpages-nl manpages-sv
      aspell-de aspell-fr aspell-it aspell-es aspell-pt-br aspell-pt-pt aspell-nl aspell-da aspell-sv aspell-en)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "== installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

texts=$(mktemp -d)
trap 'rm -rf "$texts"' EXIT
fortunes() {  # the fortune files of the packages given, without their indexes
  local f
  for f in $(dpkg -L "$@" | grep '/games/fortunes/' | sort); do
    case "$f" in *.dat|*.u8) continue ;; esac
    if [ -f "$f" ] && [ ! -L "$f" ]; then cat "$f"; fi
  done
}
manuals() {  # every manual page of a language, as text, without hyphenation
  local f
  for f in /usr/share/man/"$1"/man*/*.gz; do
    zcat "$f" | LC_ALL=C.UTF-8 groff -k -t -man -Tutf8 -rHY=0 -P-cbou 2>/dev/null || true
  done
}
fortunes fortunes-de >"$texts/de"
fortunes fortunes-it >"$texts/it"
fortunes fortunes-es >"$texts/es"
fortunes fortunes-br >"$texts/pt"
fortunes fortunes fortunes-min >"$texts/en"
for l in fr da nl sv; do manuals "$l" >"$texts/$l"; done

# name | dictionary | Hunspell's | Aspell's | text
rows=(
  "German (fortunes-de)|german.qxm|de_DE|de_DE|de"
  "French (manpages-fr)|french.qxm|fr|fr|fr"
  "Italian (fortunes-it)|italian.qxm|it_IT|it|it"
  "Spanish (fortunes-es)|spanish.qxm|es_ES|es|es"
  "Portuguese, Brazil (fortunes-br)|brazilian.qxm|pt_BR|pt_BR|pt"
  "Portuguese, Portugal (fortunes-br)|portuguese.qxm|pt_PT|pt_PT|pt"
  "Dutch (manpages-nl)|dutch.qxm|nl|nl|nl"
  "Danish (manpages-da)|danish.qxm|da_DK|da|da"
  "Swedish (manpages-sv)|swedish.qxm|sv_SE|sv|sv"
  "English, UK (fortunes)|british.qxm|en_GB|en_GB|en"
)
echo "texts: $(for t in de fr it es pt nl da sv en; do printf '%s %s KB  ' "$t" $(($(wc -c <"$texts/$t") / 1024)); done)"
echo "misspellings: one edit each of the 300 most frequent words both accept (seed $seed)"
echo
"$bench" --header
examples=$(mktemp)
for row in "${rows[@]}"; do
  IFS='|' read -r name dict hun asp text <<<"$row"
  if [ ! -f "$data/$dict" ]; then
    echo "| $name | $dict not built |"
    continue
  fi
  "$bench" --name "$name" --dict "$data/$dict" --hunspell "/usr/share/hunspell/$hun" --aspell "$asp" \
    --text "$texts/$text" --seed "$seed" --examples 12 2>>"$examples"
done
echo
echo "tokens most often flagged by one and not the other (count):"
cat "$examples"
rm -f "$examples"
