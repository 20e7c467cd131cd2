#!/usr/bin/env bash
# Builds the fuzzers (clang's libFuzzer, with address and undefined-behaviour checks) in
# build-fuzz/ and runs each for the given number of seconds, one after the other, starting
# from its seed corpus in fuzz/corpus/<name>/ (new inputs go to build-fuzz/corpus/<name>/,
# never into the sources). Ends non-zero when any fuzzer found a fault; the input that shows
# it is left in build-fuzz/trouvailles/.
#   bash fuzz/lancer.sh [seconds, default 60] [name...]   (names: the folders of fuzz/corpus)
set -uo pipefail
cd "$(dirname "$0")/.."
duree=${1:-60}
shift $(($# > 0 ? 1 : 0))

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLETTROVA_FUZZ=ON -DLETTROVA_SANITIZE="address;undefined" -DLETTROVA_TESTS=OFF >/dev/null || exit 1
cmake --build build-fuzz --target fuzzers -j2 || exit 1

noms=("$@")
if [ ${#noms[@]} -eq 0 ]; then
  for d in fuzz/corpus/*/; do noms+=("$(basename "$d")"); done
fi

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/trouvailles build-fuzz/journaux
echec=0
for nom in "${noms[@]}"; do
  echo "--- fuzz_$nom, ${duree} s"
  mkdir -p "build-fuzz/corpus/$nom"
  journal="build-fuzz/journaux/$nom.log"
  # One input at most 64 KiB; a run over 10 s or 1 GiB is a fault of its own.
  "./build-fuzz/fuzz_$nom" -max_total_time="$duree" -max_len=65536 -timeout=10 \
    -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/trouvailles/$nom-" \
    "build-fuzz/corpus/$nom" "fuzz/corpus/$nom" >"$journal" 2>&1
  code=$?
  grep -E '^#[0-9]+ +DONE' "$journal" | tail -1
  grep -E '^stat::number_of_executed_units' "$journal"
  if [ $code -ne 0 ]; then
    echo "*** fuzz_$nom a trouvé une faute (code $code) :"
    grep -E 'ERROR|SUMMARY|runtime error|deadly signal|Test unit written' "$journal" | head -20
    echo "    journal complet : $journal"
    echec=1
  fi
done
exit $echec
