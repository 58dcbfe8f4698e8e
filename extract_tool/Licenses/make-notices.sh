#!/usr/bin/env bash
# Writes the open-source notices shown by the program: every third-party
# library that the given binaries link (as the dynamic loader resolves them,
# so indirect ones too), grouped by the Debian package that installed it, with
# the package's version and its own copyright file as the licence text.
# Run at build time, so the notices always match the libraries built against.
#
#   make-notices.sh --out FILE --own DIR [--dlopen SONAME]... BINARY...
#
# --own DIR       libraries under DIR are the project's own and are left out
# --dlopen SONAME a library loaded at run time rather than linked (it and
#                 what it links are listed as well)
# A binary that is itself a third-party file (a Qt plugin) is listed too.
# Fails when a library cannot be resolved, belongs to no package or its
# package has no copyright file: incomplete notices are never written.
set -euo pipefail

out="" own=""
dlopen=() binaries=()
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$2; shift 2 ;;
    --own) own=$(realpath -m "$2"); shift 2 ;;
    --dlopen) dlopen+=("$2"); shift 2 ;;
    *) binaries+=("$1"); shift ;;
  esac
done
if [ -z "$out" ] || [ -z "$own" ] || [ ${#binaries[@]} -eq 0 ]; then
  echo "usage: $0 --out FILE --own DIR [--dlopen SONAME]... BINARY..." >&2
  exit 2
fi

die() { echo "make-notices: $*" >&2; exit 1; }

# The libraries a file links, one resolved path a line.
linked_libraries() {
  local lines
  lines=$(ldd "$1") || die "ldd failed on $1"
  if grep -q 'not found' <<<"$lines"; then
    die "$1 links a library the loader cannot find: $(grep 'not found' <<<"$lines" | tr -s ' \t' ' ')"
  fi
  awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// && $2 ~ /^\(/ { print $1 }' <<<"$lines"
}

# The path where the loader finds a library by its soname.
resolve_soname() {
  /sbin/ldconfig -p | awk -v n="$1" '$1 == n && $NF ~ /^\// { print $NF; exit }'
}

# Which package installed each of the given files ("path package" lines),
# from the packages' file lists in one pass. With the merged /usr a file may
# be registered under /lib or /usr/lib, and a soname link under its target,
# so every spelling is looked up.
packages_of() {
  local path real c
  declare -A spelling_of=()
  for path in "$@"; do
    real=$(realpath -e "$path")
    for c in "$path" "$real"; do
      spelling_of[$c]=$path
      case "$c" in
        /usr/*) spelling_of[${c#/usr}]=$path ;;
        *) spelling_of[/usr$c]=$path ;;
      esac
    done
  done
  printf '%s\n' "${!spelling_of[@]}" |
    grep -F -x -H -f - /var/lib/dpkg/info/*.list |
    while IFS= read -r hit; do
      local list=${hit%%:/*} file=/${hit#*:/}
      local pkg
      pkg=$(basename "$list" .list)
      echo "${spelling_of[$file]} ${pkg%%:*}"
    done | sort -u -k1,1
}

is_own() {
  case "$(realpath -m "$1")" in "$own"/*) return 0 ;; esac
  return 1
}

files=("${binaries[@]}")
for soname in "${dlopen[@]}"; do
  path=$(resolve_soname "$soname")
  [ -n "$path" ] || die "the run-time library $soname is not installed"
  files+=("$path")
done
third_party=()
for f in "${files[@]}"; do
  [ -e "$f" ] || die "no such file: $f"
  for lib in "$f" $(linked_libraries "$f"); do
    is_own "$lib" || third_party+=("$lib")
  done
done
mapfile -t third_party < <(printf '%s\n' "${third_party[@]}" | sort -u)

declare -A libs_of_pkg=() found=()
while read -r path pkg; do
  found[$path]=1
  libs_of_pkg[$pkg]="${libs_of_pkg[$pkg]:-} $(basename "$path")"
done < <(packages_of "${third_party[@]}")
for lib in "${third_party[@]}"; do
  [ -n "${found[$lib]:-}" ] || die "no Debian package owns $lib"
done

html_escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g'; }

mapfile -t packages < <(printf '%s\n' "${!libs_of_pkg[@]}" | LC_ALL=C sort)
declare -A version_of=()
while read -r pkg version; do
  version_of[${pkg%%:*}]=$version
done < <(dpkg-query -W -f='${Package} ${Version}\n' "${packages[@]}")
for pkg in "${packages[@]}"; do
  [ -n "${version_of[$pkg]:-}" ] || die "no version for $pkg"
done
tmp=$(mktemp "${out}.XXXXXX")
trap 'rm -f "$tmp"' EXIT
{
  cat <<'EOF'
<!DOCTYPE html>
<html><head><meta charset="utf-8">
<title>Orvex Extract Tool: Open Source &amp; Third Party Software Notices</title>
<style>
body { font-family: sans-serif; font-size: 10pt; color: #2f2f2f; }
h1 { font-size: 14pt; } h2 { font-size: 12pt; margin-top: 24px; }
td, th { padding: 2px 10px 2px 0; text-align: left; vertical-align: top; }
pre.licence { font-size: 9pt; background-color: #f5f7f9; padding: 8px; }
</style></head><body>
<h1>Open Source &amp; Third Party Software Notices</h1>
<p>Orvex Extract Tool uses the following third-party software. Each entry names the
libraries the program loads from it, its version and its licence terms as
distributed with it.</p>
<table>
<tr><th>Software</th><th>Version</th><th>Libraries</th></tr>
EOF
  for pkg in "${packages[@]}"; do
    version=${version_of[$pkg]}
    printf '<tr><td><a href="#%s">%s</a></td><td>%s</td><td>%s</td></tr>\n' \
      "$pkg" "$pkg" "$(html_escape <<<"$version")" "$(echo ${libs_of_pkg[$pkg]} | sed 's/ /, /g')"
  done
  echo '</table>'

  # Packages built from one source often carry the same copyright file:
  # its text is written once and referred to after that.
  declare -A first_with_text=()
  for pkg in "${packages[@]}"; do
    copyright=/usr/share/doc/$pkg/copyright
    [ -r "$copyright" ] || die "$pkg has no readable $copyright"
    version=${version_of[$pkg]}
    printf '<h2 id="%s">%s %s</h2>\n' "$pkg" "$pkg" "$(html_escape <<<"$version")"
    printf '<p class="libs">Libraries: %s</p>\n' "$(echo ${libs_of_pkg[$pkg]} | sed 's/ /, /g')"
    sum=$(sha256sum "$copyright" | cut -d' ' -f1)
    if [ -n "${first_with_text[$sum]:-}" ]; then
      printf '<p class="licence-ref">Licence terms: as for <a href="#%s">%s</a>.</p>\n' \
        "${first_with_text[$sum]}" "${first_with_text[$sum]}"
    else
      first_with_text[$sum]=$pkg
      echo '<pre class="licence">'
      html_escape <"$copyright"
      echo '</pre>'
    fi
  done
  echo '</body></html>'
} >"$tmp"
mkdir -p "$(dirname "$out")"
chmod 644 "$tmp"
mv -f "$tmp" "$out"
trap - EXIT
