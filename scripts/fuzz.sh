#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang (libFuzzer with AddressSanitizer, LeakSanitizer
# and UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for the given seconds,
# starting from its seeds in fuzz/corpus/<target>/ and the inputs of faults found before in
# fuzz/regressions/<target>/ (each run first), with the dictionary fuzz/kalo.dict; what it
# learns stays in build-fuzz/corpus/. Every fuzz/<name>_fuzzer.cpp is a target.
# usage: scripts/fuzz.sh SECONDS [TARGET...]     TARGET: data_file, hpgl, … (default: all)
# A crash, a leak or an input taking over a second fails the run; the input that did it is
# left in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzzer.cpp; do
    name=${source#fuzz/}
    targets+=("${name%_fuzzer.cpp}")
  done
fi
jobs=${KALO_JOBS:-$(nproc)}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALO_FUZZ=ON -DKALO_STATIC=OFF \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  "${launcher[@]}" >/dev/null
ninja -C build-fuzz -j "$jobs" "${targets[@]/%/_fuzzer}"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
failed=()
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  log=build-fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  inputs=("$corpus" "fuzz/corpus/$target")
  [ -d "fuzz/regressions/$target" ] && inputs+=("fuzz/regressions/$target")
  if build-fuzz/fuzz/"${target}"_fuzzer -max_total_time="$seconds" -timeout=1 -detect_leaks=1 -rss_limit_mb=2048 \
      -dict=fuzz/kalo.dict -artifact_prefix="$findings/" -print_final_stats=1 "${inputs[@]}" >"$log" 2>&1; then
    outcome=ok
  else
    outcome=FAILED
    failed+=("$target")
  fi
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-20s %-6s cov: %-6s exec/s: %-8s runs: %s\n' "$target" "$outcome" "${cov:-?}" "${speed:-?}" "${runs:-?}"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in build-fuzz/findings/, logs in build-fuzz/<target>.log)" >&2
  exit 1
fi
