#!/usr/bin/env bash
# `quillet typelib` compiled as it is by Wine's IDL compiler into a type library holding a dual
# interface, an event dispinterface and a class for every class of the module. Skipped (77)
# when the compiler is not installed (Debian wine64-tools).
set -uo pipefail
quillet=$1

widl=""
for candidate in widl widl-stable /usr/lib/wine/widl; do
  if command -v "$candidate" >/dev/null 2>&1; then
    widl=$(command -v "$candidate")
    break
  fi
done
[ -n "$widl" ] || { echo "no widl: skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$quillet" typelib >"$work/quillet.idl" || { echo "FAILED: quillet typelib"; exit 1; }
if ! "$widl" -t -o "$work/quillet.tlb" "$work/quillet.idl" >"$work/widl.log" 2>&1 ||
  [ -s "$work/widl.log" ]; then
  echo "FAILED: widl did not take the type library quietly:"
  cat "$work/widl.log"
  exit 1
fi

# The count of type infos is the 32-bit word at 0x20 of the type library's header.
classes=$("$quillet" classes | wc -l)
infos=$(od -An -t d4 -j 32 -N 4 "$work/quillet.tlb" | tr -d ' ')
if [ "$infos" != $((classes * 3)) ]; then
  echo "FAILED: $infos type infos for $classes classes"
  exit 1
fi
