#!/usr/bin/env bash
# Makes the Debian package of a build folder into a scratch folder and checks it with
# scripts/check-package.sh.
#
#   tests/package/PackageTest.sh CPACK BUILD_DIR SOURCE_DIR
set -euo pipefail
cpack=$1
build=$2
source=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
# The build folder is configured by hand, without the distribution's build flags: lintian's
# hardening tags judge the package of `make package`, which has them.
"$source/scripts/check-package.sh" --unhardened-build "$out"/venkora_*.deb
