#!/bin/sh
# Every shared test picture through the tool's three commands: kind names a
# kind; decode either writes a P6 picture or says "none" with exit code 1;
# the snapshot of a decoded picture decodes back to the same pixels.
set -u
tool="$1"
corpus="$2"
[ -d "$corpus" ] || { echo "no shared corpus at $corpus"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
decoded=0
refused=0
fail() { echo "FAIL: $1"; failures=$((failures + 1)); }

for file in $(find "$corpus" -type f ! -name '*.txt' | sort); do
    kind=$("$tool" kind "$file")
    rc=$?
    case "$kind" in
        Bmp|Jpeg|Icon|Cursor|Gif|Pcx8|Pcx1|Unrecognised) ;;
        *) fail "$file: kind printed [$kind]" ;;
    esac
    [ $rc -eq 0 ] || fail "$file: kind exit code $rc"

    out=$(timeout 60 "$tool" decode "$file" "$work/p.ppm")
    rc=$?
    if [ $rc -eq 1 ]; then
        [ "$out" = none ] || fail "$file: exit 1 printed [$out]"
        [ ! -e "$work/p.ppm" ] || fail "$file: none left a file"
        refused=$((refused + 1))
        continue
    fi
    [ $rc -eq 0 ] || { fail "$file: decode exit code $rc"; continue; }
    [ "$kind" != Unrecognised ] || fail "$file: an unrecognised file decoded"
    [ "$(head -c 2 "$work/p.ppm")" = P6 ] || fail "$file: output is not P6"
    "$tool" snapshot "$work/p.ppm" "$work/s.bmp" || fail "$file: snapshot failed"
    [ "$("$tool" kind "$work/s.bmp")" = Bmp ] || fail "$file: snapshot is not a BMP"
    "$tool" decode "$work/s.bmp" "$work/back.ppm" > /dev/null || fail "$file: snapshot does not decode"
    cmp -s "$work/p.ppm" "$work/back.ppm" || fail "$file: snapshot changed the pixels"
    rm -f "$work/p.ppm" "$work/s.bmp" "$work/back.ppm"
    decoded=$((decoded + 1))
done
echo "$decoded decoded, $refused gave none"
[ $decoded -gt 0 ] && [ $refused -gt 0 ] || fail "the sweep should meet both outcomes"
[ $failures -eq 0 ]
