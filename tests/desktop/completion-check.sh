#!/usr/bin/env bash
# Sources lockfern-cli's bash completion and asks it, as bash would, what it offers for a line.
set -uo pipefail
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir -p 'Tax return.lockfern' plain -- '-odd.lockfern'
touch 'Tax return.lockfern/hint.lockfern' 'Tax return.lockfern/Tax return.pdf' notes.txt

# The words after lockfern-cli, the last one being completed; what is offered, sorted, |-joined.
offered() {
    COMP_WORDS=(lockfern-cli "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _lockfern_cli
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd '|'
}

failures=0
while IFS=';' read -r line expected; do
    eval "words=($line)"
    got=$(offered "${words[@]}")
    if [ "$got" != "$expected" ]; then
        echo "FAIL: lockfern-cli $line<TAB> offers [$got], not [$expected]"
        failures=$((failures + 1))
    fi
done <<'TABLE'
'';--help|--version|decrypt|encrypt|hint
de;decrypt
encrypt -;--|--hint|--hint-file|--password-stdin|--quiet|--verbose
decrypt --v;--verbose
hint -;--
encrypt --hint '';
encrypt --verbose '';-odd.lockfern|Tax return.lockfern|notes.txt|plain
decrypt '';-odd.lockfern|Tax return.lockfern|plain
decrypt Tax;Tax return.lockfern
hint 'Tax return.lockfern/';Tax return.lockfern/hint.lockfern
decrypt -- -;-odd.lockfern
bogus '';
TABLE
complete -p lockfern-cli >/dev/null || { echo "FAIL: not registered for lockfern-cli"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "completion: all cases passed"
