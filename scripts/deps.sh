#!/usr/bin/env bash
# Installs every Debian package the build, the data builders, the tests and the
# benchmarks need. Safe to run again: it installs only what is missing.
set -euo pipefail
PACKAGES=(
  # build
  cmake ninja-build g++ ccache pkg-config python3 googletest libgtest-dev clang libclang-rt-14-dev
  # Windows program and running it
  g++-mingw-w64-x86-64 mingw-w64 wine wine64 xvfb xdotool x11-utils imagemagick
  # the installer and the portable zip
  nsis zip unzip
  # open data the builders read
  wordnet-base wamerican wamerican-large wamerican-huge hunspell-en-us fortunes fortunes-min
  # the main dictionaries of the other interface languages
  hunspell-en-gb hunspell-da hunspell-nl hunspell-fr hunspell-de-de hunspell-it hunspell-pt-br hunspell-pt-pt
  hunspell-es hunspell-sv
  # peers for benchmarks and agreement checks
  wordnet wordnet-dev libhunspell-dev hunspell libaspell-dev aspell aspell-en libmythes-dev mythes-en-us
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "== installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
