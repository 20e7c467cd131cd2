#!/usr/bin/env bash
# Builds the fuzzers (clang's libFuzzer, with address and undefined-behaviour checks) in
# build-fuzz/ and runs each for the given number of seconds, two at a time (each uses one
# core), starting from its seed corpus in fuzz/corpus/<name>/; new inputs go to
# build-fuzz/corpus/<name>/, never into the sources. Ends non-zero when any fuzzer found a
# fault; the input that shows it is left in build-fuzz/trouvailles/.
#   bash fuzz/lancer.sh [seconds, default 60] [name...]   (names: the folders of fuzz/corpus)
#   FUZZ_PARALLELE=1 runs them one after the other.
set -uo pipefail
cd "$(dirname "$0")/.."
duree=${1:-60}
shift $(($# > 0 ? 1 : 0))

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLETTROVA_FUZZ=ON -DLETTROVA_SANITIZE="address;undefined" -DLETTROVA_TESTS=OFF >/dev/null ||
  exit 1
cmake --build build-fuzz --target fuzzers -j2 || exit 1

noms=("$@")
if [ ${#noms[@]} -eq 0 ]; then
  for d in fuzz/corpus/*/; do noms+=("$(basename "$d")"); done
fi

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p build-fuzz/trouvailles build-fuzz/journaux

lancer() {
  local nom=$1
  mkdir -p "build-fuzz/corpus/$nom"
  # An input of at most 64 KiB; a run over 10 s or 1 GiB is a fault of its own.
  "./build-fuzz/fuzz_$nom" -max_total_time="$duree" -max_len=65536 -timeout=10 \
    -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="build-fuzz/trouvailles/$nom-" \
    "build-fuzz/corpus/$nom" "fuzz/corpus/$nom" >"build-fuzz/journaux/$nom.log" 2>&1
}

bilan() {
  local nom=$1 code=$2 journal="build-fuzz/journaux/$1.log"
  local fin execs
  fin=$(grep -E '^#[0-9]+.*cov: ' "$journal" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [^ ]+')
  execs=$(grep -E '^stat::number_of_executed_units' "$journal" | awk '{print $2}')
  printf 'fuzz_%-18s %s s, %s exécutions : %s\n' "$nom" "$duree" "${execs:-?}" "${fin:-?}"
  if [ "$code" -ne 0 ]; then
    echo "*** fuzz_$nom a trouvé une faute (code $code) :"
    grep -E 'ERROR|SUMMARY|runtime error|deadly signal|Test unit written' "$journal" | head -20
    echo "    journal complet : $journal"
    return 1
  fi
}

parallele=${FUZZ_PARALLELE:-2}
echec=0
declare -A pids=()
for nom in "${noms[@]}"; do
  while [ ${#pids[@]} -ge "$parallele" ]; do
    wait -n -p fini
    code=$?
    bilan "${pids[$fini]}" "$code" || echec=1
    unset "pids[$fini]"
  done
  lancer "$nom" &
  pids[$!]=$nom
done
while [ ${#pids[@]} -gt 0 ]; do
  wait -n -p fini
  code=$?
  bilan "${pids[$fini]}" "$code" || echec=1
  unset "pids[$fini]"
done
exit $echec
