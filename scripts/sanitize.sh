#!/usr/bin/env bash
# Runs the tests in an AddressSanitizer+UBSan build and the link tests in a ThreadSanitizer build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$root/build-asan" -DHM_SANITIZE=address
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure -j2 --timeout 600 -LE e2e)
"$root/scripts/build.sh" "$root/build-tsan" -DHM_SANITIZE=thread -DHM_BUILD_UI=OFF
(cd "$root/build-tsan" && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --output-on-failure -j2 --timeout 600 -L link)
