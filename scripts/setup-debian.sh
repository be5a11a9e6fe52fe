#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing: quick when everything is there already.
set -euo pipefail
packages=(
  cmake make g++ pkg-config
  qt6-base-dev libjpeg62-turbo-dev
  libgtest-dev libbenchmark-dev libstb-dev libgif-dev
  xvfb xdotool x11-utils imagemagick fonts-wqy-microhei
)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
