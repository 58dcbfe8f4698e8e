#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors), and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/setup-deps.sh

BUILD=${ORVEX_TEST_BUILD_DIR:-build/asan}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DORVEX_SANITIZE=ON -DORVEX_WERROR=ON -DORVEX_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# Qt warns (fatal in the GUI tests) without a private runtime folder.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "${XDG_RUNTIME_DIR}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/orvex-runtime.XXXXXX)
  export XDG_RUNTIME_DIR
  chmod 700 "$XDG_RUNTIME_DIR"
fi
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 600
