#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for
# SECONDS seconds (default 60). Inputs that crash, hang or blow the memory
# limit are kept in build-fuzz/crashes/<target>/; the script then exits 1.
# Exit 2: a target could not be built.
set -euo pipefail

SECONDS_PER_TARGET="${1:-60}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
PICTURES="$ROOT/../shared/corpus/pictures"
TARGETS=(fuzz_decode_picture fuzz_read_ppm)
JOBS="${JOBS:-2}"

declare -A MAX_LEN=([fuzz_decode_picture]=300000 [fuzz_read_ppm]=65536)

# A build folder configured with another compiler cannot be switched in place.
if [[ -f "$BUILD/CMakeCache.txt" ]] && ! grep -q '^CMAKE_CXX_COMPILER:.*clang' "$BUILD/CMakeCache.txt"; then
  rm -rf "$BUILD/CMakeCache.txt" "$BUILD/CMakeFiles"
fi
mkdir -p "$BUILD"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQV_FUZZ=ON -DQV_WITH_GUI=OFF -DQV_TESTS=OFF > "$BUILD/configure.log" 2>&1 || {
  cat "$BUILD/configure.log"; exit 2; }

built=()
missing=()
for target in "${TARGETS[@]}"; do
  if cmake --build "$BUILD" --target "$target" -j"$JOBS" > "$BUILD/build-$target.log" 2>&1; then
    built+=("$target")
  else
    echo "fuzz.sh: $target could not be built (see $BUILD/build-$target.log)" >&2
    tail -n 20 "$BUILD/build-$target.log" >&2
    missing+=("$target")
  fi
done

# Seeds: every test picture, and a few PPMs written here.
seed_pictures() {
  local corpus="$1"
  if [[ -d "$PICTURES" ]]; then
    find "$PICTURES" -type f -exec cp -n -t "$corpus" {} +
  else
    echo "fuzz.sh: $PICTURES not found; fuzzing from an empty corpus" >&2
  fi
}

seed_ppms() {
  local corpus="$1"
  printf 'P6\n2 2\n255\n\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff' > "$corpus/seed-2x2.ppm"
  printf 'P6 3 1 15 \x0f\x00\x00\x07\x07\x07\x00\x00\x0f' > "$corpus/seed-maxval15.ppm"
  printf 'P6\n# a comment\n1 1\n# another\n255\n\x10\x20\x30' > "$corpus/seed-comments.ppm"
  printf 'P6\n1 1\n1\n\x01\x00\x01' > "$corpus/seed-maxval1.ppm"
  printf 'P6\n1 1\n65535\n\x01\x00\x02\x00\x03\x00' > "$corpus/seed-16bit.ppm"
  printf 'P6\n4 2\n255\nabcdefghijklmnopqrstuvwx' > "$corpus/seed-4x2.ppm"
  printf 'P3\n1 1\n255\n1 2 3\n' > "$corpus/seed-ascii.ppm"
}

# Undefined behaviour stops the run (the targets are built without recovery);
# show where it happened.
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# Large pictures freed long ago would otherwise stay in the sanitizer's
# caches and creep up to the memory limit, posing as a leak of the decoder.
export ASAN_OPTIONS="quarantine_size_mb=64:allocator_release_to_os_interval_ms=500${ASAN_OPTIONS:+:$ASAN_OPTIONS}"

status=0
for target in "${built[@]}"; do
  corpus="$BUILD/corpus/$target"
  crashes="$BUILD/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  case "$target" in
    fuzz_decode_picture) seed_pictures "$corpus" ;;
    fuzz_read_ppm) seed_ppms "$corpus" ;;
  esac
  before="$(find "$crashes" -type f | wc -l)"
  log="$BUILD/$target.log"
  echo "== $target: ${SECONDS_PER_TARGET}s, corpus $(find "$corpus" -type f | wc -l) files"
  set +e
  "$BUILD/fuzz/$target" "$corpus" \
    -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=6000 -malloc_limit_mb=4000 -timeout=30 -max_len="${MAX_LEN[$target]}" \
    -artifact_prefix="$crashes/" -print_final_stats=1 > "$log" 2>&1
  code=$?
  set -e
  after="$(find "$crashes" -type f | wc -l)"
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::new_units_added)' "$log" || true
  if [[ $code -ne 0 || $after -gt $before ]]; then
    status=1
    echo "!! $target found a problem (exit $code); log: $log"
    grep -E 'ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error|fuzz check failed|Test unit written to' "$log" | head -n 10
    echo "   reproduce: $BUILD/fuzz/$target <input from $crashes/>"
  else
    echo "   no crash"
  fi
done

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "fuzz.sh: not fuzzed: ${missing[*]}" >&2
  [[ $status -eq 0 ]] && status=2
fi
exit $status
