#!/bin/sh
# Checks that programs carry Debian's hardening as readelf sees it: position independent (ELF type
# DYN), relocations bound at start and made read-only (BIND_NOW or FLAGS_1 NOW, a GNU_RELRO
# segment), the stack protector (__stack_chk_fail imported) and fortified libc calls (__*_chk
# imports). The programs share one set of compiler flags, and a program may have no call whose size
# the compiler can know (korvelctl's copies are all of run-time sizes), so fortification is judged
# over the programs checked together: some __*_chk import where unchecked forms are imported. With --self-check it first builds a small program without any of these and expects
# every check to fail on it, so a check that cannot fail is caught.
# usage: check-hardening.sh [--self-check] PROGRAM...
set -u
failures=0
fortified=0
unchecked=""
fail() { echo "FAILED: $1: $2"; failures=$((failures + 1)); }

# Functions that _FORTIFY_SOURCE replaces by a checked __*_chk form when it can.
fortifiable='^(memcpy|memmove|mempcpy|memset|stpcpy|stpncpy|strcpy|strncpy|strcat|strncat|sprintf|snprintf|vsprintf|vsnprintf|printf|fprintf|vprintf|vfprintf|dprintf|read|pread|pread64|fgets|fread|realpath|getcwd|readlink|wcscpy|wmemcpy|poll|ppoll|recv|recvfrom|syslog|asprintf|vasprintf|obstack_printf|longjmp)$'

check() {
  program=$1
  if ! header=$(readelf -hW "$program" 2>&1); then
    fail "$program" "not an ELF file ($header)"
    return
  fi
  echo "$header" | grep -q 'Type: *DYN' || fail "$program" "not position independent (ELF type is not DYN)"
  dynamic=$(readelf -dW "$program")
  echo "$dynamic" | grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' || fail "$program" "relocations are not bound at start (no BIND_NOW)"
  readelf -lW "$program" | grep -q 'GNU_RELRO' || fail "$program" "no read-only relocations (no GNU_RELRO segment)"
  imports=$(readelf --dyn-syms -W "$program" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }')
  echo "$imports" | grep -qx '__stack_chk_fail' || fail "$program" "no stack protector (__stack_chk_fail not imported)"
  checked=$(echo "$imports" | grep -Ec '^__.*_chk$')
  plain=$(echo "$imports" | grep -Ec "$fortifiable")
  fortified=$((fortified + checked))
  if [ "$checked" -eq 0 ] && [ "$plain" -gt 0 ]; then
    unchecked="$unchecked $program"
    echo "note: $program: no fortified call (unchecked libc calls: $(echo "$imports" | grep -E "$fortifiable" | tr '\n' ' '))"
  fi
  echo "checked: $program (fortified calls: $checked)"
}

# Run after every program of one build is checked.
judge_fortify() {
  if [ "$fortified" -eq 0 ] && [ -n "$unchecked" ]; then
    fail "$unchecked" "not fortified (no __*_chk import in any program, unchecked libc calls imported)"
  fi
}

if [ "${1:-}" = "--self-check" ]; then
  shift
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  cat > "$scratch/weak.c" <<'EOF'
#include <stdio.h>
#include <string.h>
int main(int argc, char** argv) { char b[64]; strcpy(b, argv[0]); printf("%s %d\n", b, argc); return 0; }
EOF
  if ! cc -O2 -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=0 -fno-stack-protector -fno-pie -no-pie -Wl,-z,norelro -Wl,-z,lazy \
      -o "$scratch/weak" "$scratch/weak.c"; then
    echo "FAILED: the unhardened sample did not build"
    exit 1
  fi
  expected=5
  found=$( (check "$scratch/weak"; judge_fortify) | grep -c '^FAILED')
  if [ "$found" -ne "$expected" ]; then
    echo "FAILED: an unhardened program fails $found of the $expected checks"
    exit 1
  fi
  echo "self-check: an unhardened program fails all $expected checks"
fi

[ $# -gt 0 ] || { echo "usage: check-hardening.sh [--self-check] PROGRAM..."; exit 2; }
for program in "$@"; do
  check "$program"
done
judge_fortify
[ "$failures" -eq 0 ]
