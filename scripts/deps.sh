#!/bin/sh
# Installs the Debian packages Varkel needs to build, test and run.
# The one list of dependencies: later work adds packages here.
set -e
PACKAGES="build-essential cmake pkg-config \
  libtinyxml-dev libzip-dev libcli11-dev nlohmann-json3-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6svg6 qt6-svg-dev \
  qt6-translations-l10n qt6-charts-dev libqt6opengl6-dev libmodbus-dev fonts-wqy-microhei xvfb xauth zip unzip time \
  clang libclang-rt-dev clang-format clang-tidy \
  dpkg-dev file help2man lintian bash-completion"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
