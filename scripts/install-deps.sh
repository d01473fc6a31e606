#!/usr/bin/env bash
# Installs the Debian packages Venkora needs to build, test and run. Packages that are already
# installed are left alone; when nothing is missing, nothing is fetched.
set -euo pipefail

packages=(
  cmake make g++ pkg-config         # toolchain (g++ brings the runtimes of make test-sanitize)
  qt6-base-dev                      # Qt 6 widgets and print support
  libcups2-dev                      # the print spooler's answer to a job
  libqt6svg6                        # SVG icons of the toolbar and the program
  libqscintilla2-qt6-dev            # the edit component
  qt6-translations-l10n             # German texts of Qt's standard dialogs
  libxcb-xkb-dev                    # keyboard lock indicators on X11
  libeditorconfig-dev               # the .editorconfig properties of a file
  libgtest-dev libbenchmark-dev     # tests and benchmarks
  fonts-dejavu-core                 # a real font for offscreen test runs
  # Fonts that common packages (ImageMagick, Ghostscript) bring along and that change what
  # "Courier" and "monospace" resolve to: the font tests must hold with them as without them.
  fonts-noto-mono fonts-urw-base35
  poppler-utils                     # PDF checks of printed output
  xvfb                              # whole-program checks that need a real X server
  dpkg-dev                          # make package: dpkg-shlibdeps finds the package's libraries
  appstream file man-db lintian     # checks of the package: metainfo, icons, manual pages, policy
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
