#!/usr/bin/env bash
# The checking builds, slower than the everyday test command (outils/tester.sh); each in its own
# build directory:
#   build-asan/  the whole test suite with AddressSanitizer, LeakSanitizer and
#                UndefinedBehaviorSanitizer, halting on the first report;
#   build-tsan/  the transport, TLS, sending and campaign tests with ThreadSanitizer;
#   build-fuzz/  every fuzzer of fuzz/ for a while (60 s each unless told otherwise).
# Any report, failed test or fuzzer finding makes it end non-zero.
#   bash outils/verifier.sh [seconds per fuzzer]
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
duree=${1:-60}

section() { printf '\n===== %s =====\n' "$*"; }

bash outils/dependances.sh

# Qt and the tests run in the environment ctest pins for the normal suite.
environnement=(LANG=fr_FR.UTF-8 TZ=Europe/Paris QT_QPA_PLATFORM=offscreen
  "DBUS_SESSION_BUS_ADDRESS=unix:path=$racine/build-tsan/aucun-bus"
  "LETTROVA_SOURCES=$racine" "LETTROVA_DONNEES=$racine/tests/donnees")

section "AddressSanitizer + UndefinedBehaviorSanitizer : construction"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLETTROVA_TESTS=ON \
  -DLETTROVA_SANITIZE="address;undefined" >/dev/null
cmake --build build-asan -j2

section "AddressSanitizer + UndefinedBehaviorSanitizer : toute la suite"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
asan=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$racine/outils/verification/lsan.supp:print_suppressions=0"
(
  cd build-asan
  ASAN_OPTIONS=$asan ctest --output-on-failure -j2 --timeout 300 -E '^ApercuWebTest\.'
  # The browser engine, built without the checker, frees some of its objects through a base
  # class of another size: the checker of new/delete sizes is off for the preview tests only.
  ASAN_OPTIONS=$asan:new_delete_type_mismatch=0 ctest --output-on-failure -j2 --timeout 300 \
    -R '^ApercuWebTest\.'
)

section "ThreadSanitizer : construction"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLETTROVA_TESTS=ON \
  -DLETTROVA_SANITIZE=thread >/dev/null
# Each test program, with the tests of it that run threads.
declare -A filtres=(
  [tests_mail]='*'
  [tests_mail_sans_ssl]='*'
  [tests_sending]='*'
  # The window's tests that run threads: the campaign's, the test send's (same engine), the
  # waits a close interrupts, the transport faults, and "Tester la connexion".
  [tests_ui]='*Campagne*:EnvoiTest*:FermetureEnAttente*:PairDefaillant*:ConnexionParametres*'
)
cmake --build build-tsan -j2 --target "${!filtres[@]}"

section "ThreadSanitizer : transport, TLS, envois et campagne"
# die_after_fork=0: the tests fork their servers (tests/support/ProcessusEnfant), and the child
# execs at once.
export TSAN_OPTIONS="halt_on_error=1:die_after_fork=0:second_deadlock_stack=1:suppressions=$racine/outils/verification/tsan.supp"
(
  cd build-tsan
  for programme in tests_mail tests_mail_sans_ssl tests_sending tests_ui; do
    echo "--- $programme (${filtres[$programme]})"
    env -u LC_ALL -u LANGUAGE "${environnement[@]}" "./$programme" --gtest_filter="${filtres[$programme]}" --gtest_brief=1
  done
)

section "Fuzzers : ${duree} s chacun"
bash fuzz/lancer.sh "$duree"

section "Vérifications terminées sans rapport"
