#!/usr/bin/env bash
# Builds KALO with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# build-asan/ and runs the whole test suite there; any finding fails the run.
# The command line program is linked dynamically here: a static program cannot be sanitized.
# kalo-solid stays out (KALO_SOLID=OFF): nearly all of its work happens in OpenCascade's
# uninstrumented shared libraries, whose allocations the leak checker cannot follow; kalo's
# own side of it (the request, the answer, the checks) is in the core and tested here.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$(pwd)
jobs=${KALO_JOBS:-$(nproc)}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$source/scripts/leak_suppressions.txt:print_suppressions=0"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# -O1 with line tables only: the traces still name file and line, and the build is quicker.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALO_STATIC=OFF \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON -DKALO_SOLID=OFF "${launcher[@]}" \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
ninja -C build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
