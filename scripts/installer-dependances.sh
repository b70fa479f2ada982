#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test tinselbox.
# Does nothing when everything is already there, so it is cheap to call before every build.
# With --programme: only what building the program and its install files needs (no test
# tools, no npm), for `make install` and `make package`.
set -euo pipefail

cd "$(dirname "$0")/.."
programme_seul=false
[ "${1:-}" = --programme ] && programme_seul=true

PAQUETS=(cmake g++ make pkg-config valgrind
         qtbase5-dev libqt5xmlpatterns5-dev libqt5svg5 qt5-image-formats-plugins
         xvfb xauth fonts-dejavu-core chromium-headless-shell xdg-utils
         desktop-file-utils appstream dpkg-dev
         fonttools python3-fonttools fonts-freefont-otf
         clang-format qttools5-dev qttools5-dev-tools qttranslations5-l10n
         kimageformat-plugins ffmpeg libheif-examples libimage-exiftool-perl libvips-tools
         libqrencode-dev zbar-tools poppler-utils
         libcurl4-openssl-dev libssl-dev qtkeychain-qt5-dev openssl openssh-server openssh-client rclone rsync
         dbus-daemon gnome-keyring
         firefox-esr webkit2gtk-driver gstreamer1.0-libav pulseaudio
         python3-icalendar python3-tz
         lintian)

# Needed only to run the tests, the page's browsers and the package checks.
POUR_LES_TESTS=(valgrind xvfb xauth fonts-dejavu-core chromium-headless-shell xdg-utils desktop-file-utils appstream
                fonttools python3-fonttools fonts-freefont-otf clang-format qttranslations5-l10n
                kimageformat-plugins ffmpeg libheif-examples libimage-exiftool-perl libvips-tools
                zbar-tools poppler-utils openssl openssh-server openssh-client rclone rsync dbus-daemon gnome-keyring
                firefox-esr webkit2gtk-driver gstreamer1.0-libav pulseaudio
                python3-icalendar python3-tz
                lintian)

manquants=()
for p in "${PAQUETS[@]}"; do
    if $programme_seul && [[ " ${POUR_LES_TESTS[*]} " == *" $p "* ]]; then
        continue
    fi
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done
if ! $programme_seul && { ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; }; then
    manquants+=(nodejs npm)
fi

if ((${#manquants[@]})); then
    echo "Installing Debian packages: ${manquants[*]}"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${manquants[@]}"
fi

# npm ci only when the lock file changed since the last install.
if ! $programme_seul && [ -f package-lock.json ]; then
    empreinte=$(sha256sum package-lock.json | cut -d' ' -f1)
    if [ ! -f node_modules/.empreinte-lock ] || [ "$(cat node_modules/.empreinte-lock)" != "$empreinte" ]; then
        echo "Installing npm packages from package-lock.json"
        npm ci --no-audit --no-fund
        echo "$empreinte" > node_modules/.empreinte-lock
    fi
fi
