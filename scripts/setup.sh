#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quillmark
# need. Installs only what is missing; safe to run again. Installing needs
# root: run it as root or as a user who may use sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev clang-format pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev fonts-liberation2 fonts-dejavu-core
    libcurl4-openssl-dev libjpeg62-turbo-dev
    libchm-dev fp-utils-3.2.2
    libgtest-dev libgmock-dev libbenchmark-dev
    locales
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "Quillmark's set-up needs these Debian packages: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not available. Run as root:" >&2
        echo "" >&2
        echo "    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}" >&2
        echo "" >&2
        echo "then run this command again." >&2
        exit 1
    fi
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
