#!/bin/sh
# Installs the Debian packages that building, running and testing Vidolin need,
# and only those that are still missing, so a rerun on a ready machine is quick.
set -eu

PACKAGES="
build-essential cmake pkg-config
qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-base-apps
gstreamer1.0-tools gstreamer1.0-pulseaudio
libgtest-dev libgmock-dev
clang-format-14 clang-tidy-14
curl xvfb xauth x11-utils imagemagick openbox xdotool desktop-file-utils
pulseaudio-utils alsa-utils xdg-utils
fonts-dejavu-core
s-nail msmtp
python3-pyftpdlib python3-aiosmtpd
"

missing=""
for p in $PACKAGES; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $p" ;;
    esac
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "Installing:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
