#!/bin/sh
# Installs the Debian packages the build, the tests and the game need, when
# any of them is missing. Runs as root (apt-get).
set -e
packages="cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev \
g++-mingw-w64-x86-64-posix wine64 wine xvfb xauth xdotool x11-utils imagemagick \
libosmesa6-dev mesa-utils fonts-dejavu-core python3-pil nsis"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends $missing
fi
