#!/usr/bin/env bash
# Installs every build, test and tool dependency from Debian's packages.
# Idempotent: packages already present are skipped, and the package lists are
# refreshed at most once per run (and only when something is missing).
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  libsqlite3-dev sqlite3 libssl-dev libzstd-dev liblz4-dev libbz2-dev zlib1g-dev
  libxxhash-dev libspdlog-dev nlohmann-json3-dev
  qtbase5-dev qttools5-dev-tools qttools5-dev libqt5svg5-dev
  libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
  libfuse3-dev fuse3
  clang libclang-rt-14-dev
  xvfb xauth x11-apps imagemagick librsvg2-bin fonts-wqy-microhei fonts-tlwg-garuda-ttf
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
echo "setup-deps: installing ${missing[*]}" >&2
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
