#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with; does
# nothing when they are all there already.
set -euo pipefail

# The tools the scripts, tests and benchmarks call, and the package of each
# (installed explicitly: nothing may come only through a recommends):
#   cmake, ctest: cmake        ninja: ninja-build       g++: g++
#   clang++ and its sanitizer runtime: clang, libclang-rt-14-dev
#   ccache: ccache             pkg-config: pkg-config   git: git
#   /usr/bin/python3: python3; its FTP server module: python3-pyftpdlib, and
#   that server's TLS: python3-openssl
#   the tests' own Secret Service: gnome-keyring, dbus-daemon, dbus-bin (dbus-send)
#   openssl (the stand-in's certificates): openssl
#   xsltproc (the title sort compared with the old stylesheet): xsltproc
#   curl (the upload benchmark's reference): curl
#   Xvfb, xvfb-run: xvfb, xauth
#   convert, import (sample photos, screenshots): imagemagick
#   vipsthumbnail (thumbnail benchmark): libvips-tools
#   heif-enc, heif-convert (HEIC benchmarks): libheif-examples
#   DejaVu Sans, named by the sample-photo script and the screenshots: fonts-dejavu-core
#   desktop-file-validate (the menu entry): desktop-file-utils
#   appstreamcli (the AppStream data): appstream
#   dpkg-shlibdeps (the package's dependencies): dpkg-dev; file (cpack finds
#   the package's programs with it): file; lintian (the package): lintian
#   losetup, mount (the order folder on a test medium): mount
#   mkfs.ext2, e2fsck: e2fsprogs   mkfs.exfat, fsck.exfat: exfatprogs
#   mount.exfat-fuse: exfat-fuse; its FUSE mount helper: fuse3
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  qt6-translations-l10n qt6-tools-dev libgl-dev
  libxml2-dev xsltproc libcurl4-openssl-dev libexif-dev qtkeychain-qt6-dev libglib2.0-dev
  libheif-dev libheif-examples libturbojpeg0-dev liblcms2-dev zlib1g-dev
  libgtest-dev googletest
  python3 python3-pyftpdlib python3-openssl openssl libcap2-bin
  gnome-keyring dbus-daemon dbus-bin
  xvfb xauth imagemagick libvips-tools fonts-dejavu-core curl
  desktop-file-utils appstream dpkg-dev file lintian
  mount e2fsprogs exfatprogs exfat-fuse fuse3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
