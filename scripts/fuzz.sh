#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs each
# for the given seconds (default 5), seeded from tests/fuzz_corpus/<target>/.
# Inputs that find new paths are kept in build-fuzz/corpus/<target>/ so later
# runs start from them; an input that crashes, hangs (more than 10 s) or
# trips a sanitizer is saved in build-fuzz/artifacts/<target>/ and fails the run.
#   bash scripts/fuzz.sh 600                # ten minutes each
#   FUZZ_TARGETS="pass_list" bash scripts/fuzz.sh 60
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-5}"
# Every target of fuzz/ by default, one per <target>_fuzzer.cpp.
all_targets=(fuzz/*_fuzzer.cpp)
all_targets=("${all_targets[@]#fuzz/}")
targets=(${FUZZ_TARGETS:-${all_targets[*]%_fuzzer.cpp}})

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DORVANTA_FUZZ=ON -DORVANTA_BUILD_TESTS=OFF -DORVANTA_BUILD_BENCH=OFF "${launcher[@]}"
fi
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Leaks are checked too: the targets hold no Qt application, so whatever is
# left allocated after an input is ours.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=()
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  artifacts="build-fuzz/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  log="build-fuzz/fuzz_$target.log"
  if "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts/" -print_final_stats=1 "$corpus" "tests/fuzz_corpus/$target" >"$log" 2>&1; then
    runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || echo '?')
    echo "fuzz_$target: $runs inputs in ${seconds} s, no failure"
  else
    echo "fuzz_$target: FAILED (see $log and $artifacts/)"
    tail -n 40 "$log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing failed: ${failed[*]}"
  exit 1
fi
