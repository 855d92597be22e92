#!/bin/sh
# Checks the `boards` tool: the worked boards line by line, the full range of seeds, and that every
# malformed command line gets the usage text on stderr, nothing on stdout and exit code 2.
set -u
boards="$1"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected='0 2192555137851855594545937525656134658528297555528583255284252781463685842955743536833556737377755197
1 3537546537751151153711992993749919837146552846596519228455554682261914128883559693737741951955466285'
[ "$("$boards" 0 2)" = "$expected" ] || fail "seeds 0 and 1 do not print their worked boards"

# Seed 127 holds the pair 6 and 4 at row 4, columns 4 and 5: characters 44 and 45 of the digits.
line=$("$boards" 127 128)
digits=${line#127 }
[ "$(printf '%s' "$digits" | cut -c45-46)" = "64" ] || fail "seed 127 lacks its 6 and 4: $line"

[ "$("$boards" 99998 100001 | cut -d' ' -f1 | tr '\n' ' ')" = "99998 99999 100000 " ] ||
    fail "a range does not print one line per seed, TO excluded"
[ -z "$("$boards" 7 7)" ] || fail "an empty range prints something"
last=$("$boards" 4294967295 4294967296) || fail "the last seed is refused"
case "$last" in
    "4294967295 "*) ;;
    *) fail "the last seed prints: $last" ;;
esac
[ "$(printf '%s' "${last#* }" | tr -d '1-9' | wc -c)" -eq 0 ] && [ ${#last} -eq 111 ] ||
    fail "the last seed's board is not 100 digits"

# Malformed command lines, one per line; the fields are the arguments.
while read -r args; do
    # shellcheck disable=SC2086
    out=$("$boards" $args 2>/tmp/boards_test_err.$$)
    status=$?
    [ "$status" -eq 2 ] || fail "'$args' exits with $status"
    [ -z "$out" ] || fail "'$args' prints to stdout"
    grep -q '^usage: boards FROM TO' /tmp/boards_test_err.$$ || fail "'$args' gives no usage text"
done <<'CASES'

1
1 2 3
x 2
1 y
-1 3
+1 3
1 2x
0x10 20
5 3
4294967296 4294967296
0 4294967297
0 99999999999999999999999
CASES
rm -f /tmp/boards_test_err.$$

[ "$failures" -eq 0 ]
