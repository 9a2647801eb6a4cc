#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the application and the tests need, when missing.
set -euo pipefail
packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-image-formats-plugins libqt6svg6
  libpugixml-dev libplist-dev libminizip-dev zlib1g-dev libgif-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev libzxing-dev
  fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35
  # Text tests in other scripts: CJK ideographs (Droid Sans Fallback) and a colour emoji font.
  fonts-droid-fallback fonts-noto-color-emoji
  xvfb xauth xdotool imagemagick ghostscript poppler-utils qpdf zbar-tools libplist-utils unzip
  python3 openssl
  # The project-file fuzz target: clang with libFuzzer and its sanitizer runtimes.
  clang libclang-rt-14-dev
  # Workbook interop tests: openpyxl and LibreOffice make and read workbooks during the run.
  python3-openpyxl libreoffice-calc-nogui
  # QR payload tests: vCard and calendar payloads read by an outside reader, as phones read them.
  python3-vobject
  # Mail tests and bench: local STARTTLS and SSL servers with AUTH, run by /usr/bin/python3.
  python3-aiosmtpd
  # The print queue test: a private cupsd with a queue of the cups-pdf driver (Ghostscript above
  # makes the queue's PDF).
  cups-daemon cups-client printer-driver-cups-pdf
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
