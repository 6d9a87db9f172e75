#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing; arguments name more
# packages to install with them (make fuzz adds clang's).
set -euo pipefail
packages=(cmake g++ ninja-build pkg-config ccache libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libpugixml-dev libcli11-dev libcairo2-dev python3 binutils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
