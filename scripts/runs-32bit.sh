#!/usr/bin/env bash
# Exits 0 when this machine runs 32-bit x86 programs natively, and so 32-bit Wine;
# otherwise prints why not and exits 1. It finds out by running one, a 96-byte
# static program that only exits with status 42: kernel settings are not read.
set -u
export LC_ALL=C  # the reason in plain words, whatever the caller's locale
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
probe="$dir/exit42"
# ELF header, one loadable segment, then: mov eax,1; mov ebx,42; int 0x80
printf '%b' '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00'\
'\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00'\
'\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00'\
'\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
output=$("$probe" 2>&1)
status=$?
[ $status -eq 42 ] && exit 0
reason=${output##*: }
echo "this machine does not run 32-bit x86 programs (a 32-bit test program ended with" \
  "status $status${reason:+: $reason})"
exit 1
