#!/usr/bin/env bash
# Regenerates the seed corpus with the openssl command line, using the fuzzer's fixed keys and header,
# so the seeds do not depend on the encoder under test.
set -euo pipefail
cd "$(dirname "$0")/corpus"

enc_key=000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f
mac_key=202122232425262728292a2b2c2d2e2f303132333435363738393a3b3c3d3e3f
iv=c0c1c2c3c4c5c6c7c8c9cacbcccdcecf
header=0301a0a1a2a3a4a5a6a7b0b1b2b3b4b5b6b7$iv

hex() { od -An -v -tx1 | tr -d ' \n'; }
unhex() { xxd -r -p 2>/dev/null || perl -ne 'chomp; print pack("H*", $_)'; }

# Header, AES-256-CBC with PKCS#7 padding, HMAC-SHA256 over both.
message() {
    local body
    body=$(printf '%s' "$1" | openssl enc -aes-256-cbc -K "$enc_key" -iv "$iv" | hex)
    local mac
    mac=$(printf '%s' "$header$body" | unhex | openssl dgst -sha256 -mac HMAC -macopt "hexkey:$mac_key" -binary | hex)
    printf '%s' "$header$body$mac"
}

rm -f ./*
: > empty
message ''                                          | unhex > valid-empty
message 'hello'                                     | unhex > valid-hello
message 'sixteen bytes...'                          | unhex > valid-one-block
message 'forty bytes of plaintext, three blocks..' | unhex > valid-three-blocks
head -c 81 valid-three-blocks > truncated-in-mac
head -c 66 valid-three-blocks > truncated-no-body
head -c 34 valid-three-blocks > header-only
# Mode 1: position 0x0010, kind 0 (flip), value 0xff, plaintext "hello world".
printf '\001\020\000\000\377hello world' > mutate-flip
# Mode 1: kind 1 (truncate) at 0x0030.
printf '\001\060\000\001\000abcdefghijklmnopqrstuvwxyz' > mutate-truncate
# Mode 2: header, then one block of plaintext ending in valid padding.
{ printf '\002'; printf '%s' "$header" | unhex; printf 'twelve bytes\004\004\004\004'; } > frame-padded
# Mode 2: same with bad padding.
{ printf '\002'; printf '%s' "$header" | unhex; printf 'twelve bytes\004\004\003\004'; } > frame-bad-padding
