#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

# clang and its runtimes build the fuzz targets (make fuzz); the web desk's page embeds the
# Liberation Sans font, and its journal is an SQLite database.
packages=(
  g++ cmake ninja-build make pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libpugixml-dev libboost1.81-dev libboost-context1.81-dev libsqlite3-dev
  fonts-liberation2
  chromium nodejs
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ ${#missing[@]} -ne 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq || true
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests' own packages (playwright-core, which drives the chromium above, and
# axe-core, which checks the pages' accessibility).
browser_tests="$(dirname "$0")/../tests/browser"
if [ ! -d "$browser_tests/node_modules/playwright-core" ] || [ ! -d "$browser_tests/node_modules/axe-core" ]; then
  (cd "$browser_tests" && npm ci --no-audit --no-fund)
fi
