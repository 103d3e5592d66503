#!/bin/sh
# Redraws every shipped picture, sound and tune, then checks them.
# Installs the Debian packages the generators use when any is missing (as root).
set -e
packages="python3-cairo python3-numpy python3-pil fonts-dejavu-core fonts-arphic-ukai fonts-wqy-zenhei"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends $missing
fi
cd "$(dirname "$0")"
/usr/bin/python3 makeart.py
/usr/bin/python3 checkart.py
