#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# Installs the Debian packages the build needs, and any given as arguments, when one is
# missing (with sudo when not run as root). The other scripts call it with what they need.
#   scripts/bootstrap.sh [PACKAGE...]
set -euo pipefail
if [ "${1:-}" = --help ] || [ "${1:-}" = -h ]; then
  sed -n '3,/^set /{/^set /d;s/^# \{0,1\}//;p}' "$0"
  exit 0
fi

# Linguist tools: the library embeds its translations, compiled at build time.
packages=(build-essential cmake qtbase5-dev qttools5-dev qttools5-dev-tools "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
