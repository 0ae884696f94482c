#!/usr/bin/env bash
# Encrypts and decrypts a 1 GiB file with lockfern-cli and prints speed and peak memory beside the
# limits of this machine measured in the same run: AES-256-CBC, HMAC-SHA256 and a synced disk write.
set -euo pipefail
export LC_ALL=C

build=$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)
cli=$build/cli/lockfern-cli
micro=$build/bench/bench_rncryptor
size=$((1024 * 1024 * 1024))
password=lockfern-bench

for tool in "$cli" "$micro" /usr/bin/time; do
    [ -x "$tool" ] || { echo "missing $tool" >&2; exit 1; }
done

work=$(mktemp -d "$build/bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
mbps() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.0f", b / s / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
min() { printf '%s\n' "$@" | sort -n | head -1; }
peak_kib() { awk -F': ' '/Maximum resident set size/ { print $2 }' "$1"; }

# One lockfern-cli run: wall time in seconds into $elapsed, peak RSS in MiB into $rss, stdout into $printed.
run_cli() {
    local start end
    sync
    start=$(now)
    printed=$(printf '%s\n' "$password" | /usr/bin/time -v -o "$work/time.txt" "$cli" "$@")
    end=$(now)
    elapsed=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
    rss=$(( $(peak_kib "$work/time.txt") / 1024 ))
}

# openssl speed prints thousands of bytes per second on its last line.
openssl_mbps() {
    openssl speed -elapsed -bytes 1048576 "$@" 2>/dev/null | tail -1 | awk '{ sub(/k$/, "", $NF); printf "%.0f", $NF / 1000 }'
}

echo "preparing a 1 GiB file in $work"
mkdir "$work/plain"
head -c "$size" /dev/urandom >"$work/plain/data.bin"
expected=$(sha256sum <"$work/plain/data.bin" | cut -d' ' -f1)

run_cli encrypt --password-stdin "$work/plain/data.bin"
package=$(printf '%s\n' "$printed" | tail -1)
encrypt_mbps=$(mbps "$size" "$elapsed")
encrypt_rss=$rss

# Decrypt restores beside the package: the original's name must be free.
rm "$work/plain/data.bin"
run_cli decrypt --password-stdin "$package"
restored=$(printf '%s\n' "$printed" | tail -1)
decrypt_mbps=$(mbps "$size" "$elapsed")
decrypt_rss=$rss
[ "$(sha256sum <"$restored" | cut -d' ' -f1)" = "$expected" ] || { echo "restored file differs" >&2; exit 1; }
rm -rf "$work/plain"

echo "measuring this machine's limits"
aes_encrypt=$(openssl_mbps -evp aes-256-cbc)
aes_decrypt=$(openssl_mbps -decrypt -evp aes-256-cbc)
hmac=$(openssl_mbps -hmac sha256)
sync
dd_seconds=$(dd if=/dev/zero of="$work/dd.bin" bs=1M count=1024 conv=fdatasync 2>&1 |
    awk '/copied/ { for (i = 1; i <= NF; i++) if ($i == "s,") print $(i - 1) }')
rm -f "$work/dd.bin"
disk=$(mbps "$size" "$dd_seconds")

encrypt_limit=$(min "$aes_encrypt" "$hmac" "$disk")
decrypt_limit=$(min "$aes_decrypt" "$hmac" "$disk")

csv=$("$micro" --benchmark_format=csv 2>/dev/null)
small_ms=$(printf '%s\n' "$csv" | awk -F, '/^"?encrypt1KiB/ { print $3 }')
pbkdf2_ms=$(printf '%s\n' "$csv" | awk -F, '/^"?pbkdf2Once/ { print $3 }')

printf '\n%-28s %10s %12s\n' "" "MB/s" "peak RSS"
printf '%-28s %10s %9s MiB\n' "lockfern encrypt 1 GiB" "$encrypt_mbps" "$encrypt_rss"
printf '%-28s %10s %9s MiB\n' "lockfern decrypt 1 GiB" "$decrypt_mbps" "$decrypt_rss"
printf '%-28s %10s\n' "AES-256-CBC encrypt" "$aes_encrypt" "AES-256-CBC decrypt" "$aes_decrypt" \
    "HMAC-SHA256" "$hmac" "synced disk write" "$disk"
printf '\nencrypt / min(AES encrypt, HMAC, disk) = %s / %s = %s (target >= 0.80)\n' \
    "$encrypt_mbps" "$encrypt_limit" "$(ratio "$encrypt_mbps" "$encrypt_limit")"
printf 'decrypt / min(AES decrypt, HMAC, disk) = %s / %s = %s (target >= 0.80)\n' \
    "$decrypt_mbps" "$decrypt_limit" "$(ratio "$decrypt_mbps" "$decrypt_limit")"
printf 'peak RSS limit 64 MiB\n'
printf 'encrypt 1 KiB %.1f ms / one PBKDF2 %.1f ms = %s (target <= 1.30)\n' \
    "$small_ms" "$pbkdf2_ms" "$(ratio "$small_ms" "$pbkdf2_ms")"
