#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program is built the way Debian's policy asks: a position-independent executable, full RELRO,
# no executable stack, stack protector, and (in optimised builds) fortified libc calls.
# Usage: check-hardening.sh <binary> fortified|unfortified
set -euo pipefail
source "$(dirname "$0")/common.sh"
binary=$1 fortify=$2
need readelf binutils
[ -f "$binary" ] || fail "no binary at $binary"

header=$(readelf -hW "$binary")
grep -Eq '^ *Type: +DYN ' <<<"$header" || fail "not position-independent: $(grep 'Type:' <<<"$header")"
dynamic=$(readelf -dW "$binary")
grep -Eq '\(FLAGS_1\) +Flags:.* PIE' <<<"$dynamic" || fail "the dynamic section has no PIE flag"
pass "position-independent executable"

segments=$(readelf -lW "$binary")
grep -q 'GNU_RELRO' <<<"$segments" || fail "no GNU_RELRO segment: relocations stay writable"
grep -Eq '\(BIND_NOW\)|\(FLAGS\) +.*BIND_NOW|\(FLAGS_1\) +Flags:.* NOW' <<<"$dynamic" ||
    fail "symbols are bound lazily (no BIND_NOW): RELRO is only partial"
grep -Eq 'GNU_STACK +(0x[0-9a-f]+ +){5}RW ' <<<"$segments" || fail "the stack is executable"
pass "full RELRO, non-executable stack"

symbols=$(readelf --dyn-syms -W "$binary")
grep -q ' __stack_chk_fail@' <<<"$symbols" || fail "no stack protector: __stack_chk_fail is not used"
pass "stack protector"
case $fortify in
fortified)
    checked=$( (grep -Eo ' __[a-z0-9_]+_chk@' <<<"$symbols" || true) | (grep -v __stack_chk_fail || true) |
        sort -u | tr -d ' @' | tr '\n' ' ')
    [ -n "$checked" ] || fail "no fortified libc calls (__*_chk): _FORTIFY_SOURCE is off"
    pass "fortified calls: $checked"
    ;;
unfortified) echo "(not an optimised build: _FORTIFY_SOURCE is not expected)" ;;
*) fail "second argument must be fortified or unfortified, not '$fortify'" ;;
esac
