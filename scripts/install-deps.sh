#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running VesmarkOpt need.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

PACKAGES=(
  # build
  g++ cmake ninja-build pkg-config
  # unit tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev libicu-dev
  # the dialog
  qt6-base-dev libgl-dev fonts-ipafont-gothic
  # end-to-end tests and screenshots under a virtual display
  xvfb xauth xdotool x11-utils
  # fuzzing
  clang libclang-rt-14-dev
)

# Optional groups: --screenshots adds what scripts/screenshots.sh needs.
for arg in "$@"; do
  case "$arg" in
    --screenshots) PACKAGES+=(imagemagick) ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO=(sudo)
  else
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
