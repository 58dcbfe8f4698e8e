#!/usr/bin/env bash
# Compares the exported interface of a shared library with its committed list.
#   scripts/check-exports.sh LIB LISTFILE    exit 0 when they match
#   scripts/check-exports.sh --list LIB      print the library's exports
# Counted: global function and data symbols the library defines. Not counted:
# sanitizer instrumentation, and vague-linkage copies (weak or unique C++
# template instances and type information that the standard library's and
# header-only libraries' default visibility leaves in every shared object;
# they come and go with the optimisation level and are nobody's interface).
set -euo pipefail

list_exports() {
  nm -D --defined-only "$1" |
    awk 'NF >= 3 {
           type = $2; name = $3
           if (name ~ /^__(odr_asan|asan|ubsan|lsan|sancov)/) next
           if (type ~ /^[TDBRGSAi]$/) { print name; next }
           if (type ~ /^[WVu]$/ && name !~ /^_Z/) print name
         }' |
    LC_ALL=C sort -u
}

if [ "${1:-}" = "--list" ] && [ $# -eq 2 ]; then
  list_exports "$2"
  exit 0
fi
if [ $# -ne 2 ]; then
  echo "usage: $0 LIB LISTFILE | --list LIB" >&2
  exit 2
fi

lib=$1
listfile=$2
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$lib" ]; then
  echo "check-exports: no library at $lib" >&2
  exit 1
fi
if [ ! -f "$listfile" ]; then
  echo "check-exports: $listfile is missing." >&2
  echo "Create it from a build with: $here/update-exports.sh BUILD_DIR" >&2
  exit 1
fi

actual=$(list_exports "$lib")
expected=$(grep -v '^[[:space:]]*\(#\|$\)' "$listfile" | LC_ALL=C sort -u || true)
if [ "$actual" = "$expected" ]; then
  exit 0
fi

echo "check-exports: $(basename "$lib") exports differ from $listfile" >&2
diff <(printf '%s\n' "$expected" | sed '/^$/d') <(printf '%s\n' "$actual" | sed '/^$/d') |
  sed -n 's/^< /  no longer exported: /p; s/^> /  newly exported:     /p' >&2 || true
echo "If the change is intended (a new or removed interface call), regenerate the lists with" >&2
echo "  $here/update-exports.sh BUILD_DIR" >&2
echo "and commit them with the change; otherwise mark or unmark the symbol with the library's export macro." >&2
exit 1
