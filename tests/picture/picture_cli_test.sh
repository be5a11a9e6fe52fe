#!/bin/sh
# The command-line contract of quorvane-picture: output, exit codes and files.
set -u
tool="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

# A 3 x 2 PPM picture, made here.
printf 'P6\n3 2\n255\n' > "$work/in.ppm"
printf '\001\002\003\004\005\006\007\010\011\012\013\014\015\016\017\020\021\022' >> "$work/in.ppm"

"$tool" snapshot "$work/in.ppm" "$work/out.bmp"; check "snapshot exit" 0 $?
check "snapshot size" 78 "$(wc -c < "$work/out.bmp" | tr -d ' ')"
check "snapshot kind" Bmp "$("$tool" kind "$work/out.bmp")"

"$tool" decode "$work/out.bmp" "$work/back.ppm"; check "decode exit" 0 $?
check "round trip" "$(od -An -tx1 "$work/in.ppm")" "$(od -An -tx1 "$work/back.ppm")"
check "PPM header" "P6" "$(head -c 2 "$work/back.ppm")"

# "-" writes to standard output.
check "decode to stdout" "$(od -An -tx1 "$work/in.ppm")" "$("$tool" decode "$work/out.bmp" - | od -An -tx1)"
check "snapshot to stdout" "$(od -An -tx1 "$work/out.bmp")" "$("$tool" snapshot "$work/in.ppm" - | od -An -tx1)"

# Undecodable bytes: "none" and exit 1, no output file.
printf 'BM this is not a picture at all, not even close....................................' > "$work/bad.bmp"
out=$("$tool" decode "$work/bad.bmp" "$work/none.ppm"); code=$?
check "none exit" 1 $code
check "none output" none "$out"
check "no file for none" no "$([ -e "$work/none.ppm" ] && echo yes || echo no)"
check "unrecognised kind" Unrecognised "$("$tool" kind "$work/in.ppm")"

# Unreadable input: exit 1 with a message on stderr.
"$tool" kind "$work/missing" 2> "$work/err"; check "missing input exit" 1 $?
check "missing input message" yes "$([ -s "$work/err" ] && echo yes || echo no)"
"$tool" kind "$work" 2> /dev/null; check "folder as input" 1 $?
"$tool" snapshot "$work/bad.bmp" "$work/x.bmp" 2> /dev/null; check "snapshot of a non-PPM" 1 $?
"$tool" decode "$work/out.bmp" "$work/no/such/folder/x.ppm" 2> /dev/null; check "unwritable output" 1 $?

# Wrong arguments: usage and exit 2.
"$tool" 2> /dev/null; check "no arguments" 2 $?
"$tool" kind 2> /dev/null; check "kind without file" 2 $?
"$tool" decode "$work/out.bmp" 2> /dev/null; check "decode without output" 2 $?
"$tool" snapshot a b c 2> /dev/null; check "too many arguments" 2 $?
"$tool" frobnicate x 2> /dev/null; check "unknown command" 2 $?
"$tool" 2>&1 | grep -q usage; check "usage line" 0 $?

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all CLI checks passed"
