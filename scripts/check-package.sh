#!/usr/bin/env bash
# Builds the Debian package from an existing build folder (build/, or
# $QUORREL_BUILD_DIR) and checks what it holds: both programs, the desktop
# entry (valid), every icon size (a PNG of that size), the MIME types (readable
# by update-mime-database, with all three extensions) and the docs.
# Prints one ok or FAIL line per problem and a closing line; exits 1 on failure.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORREL_BUILD_DIR:-build}
sizes=(16 22 24 32 48 64 128 256)

if [ ! -f "$build_dir/CPackConfig.cmake" ]; then
  echo "check-package: FAIL: $build_dir is not a configured build folder (run scripts/build.sh first)"
  exit 1
fi

# A stale package from an earlier run must not pass for this one.
rm -f "$build_dir"/package/quorrel_*.deb
log="$build_dir/check-package.log"
if ! cmake --build "$build_dir" --target package >"$log" 2>&1; then
  cat "$log"
  echo "check-package: FAIL: cpack could not build the package (log above)"
  exit 1
fi
debs=("$build_dir"/package/quorrel_*.deb)
if [ ! -f "${debs[0]}" ]; then
  echo "check-package: FAIL: cpack wrote no quorrel_*.deb into $build_dir/package"
  exit 1
fi
deb=${debs[0]}

failures=0
fail() {
  echo "check-package: FAIL: $*"
  failures=$((failures + 1))
}

# Paths as dpkg-deb lists them, without the leading "./".
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./||')
expected=(
  usr/bin/quorrel
  usr/bin/quorrel-cli
  usr/share/applications/quorrel.desktop
  usr/share/mime/packages/quorrel.xml
  usr/share/doc/quorrel/README.md
  usr/share/doc/quorrel/cli.md
  usr/share/doc/quorrel/docs/screenshots/window.png
)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/quorrel.png")
done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$contents" || fail "missing /$path"
done

for field in Package Version Section Maintainer Depends; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "control field $field is empty"
done
# The editor links Qt Widgets, so the computed dependencies must name it.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
  fail "Depends does not name libqt6widgets6: $(dpkg-deb -f "$deb" Depends)"
# quorrel-cli loads FreeType only when it reads a desktop font: no link names it.
dpkg-deb -f "$deb" Depends | grep -q 'libfreetype6' ||
  fail "Depends does not name libfreetype6: $(dpkg-deb -f "$deb" Depends)"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

desktop=$root/usr/share/applications/quorrel.desktop
if [ -f "$desktop" ]; then
  report=$(desktop-file-validate --no-hints "$desktop" 2>&1) || fail "desktop entry invalid: $report"
fi

for size in "${sizes[@]}"; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/quorrel.png
  [ -f "$icon" ] || continue
  file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
    fail "icon ${size}x${size} is not a $size x $size PNG: $(file -b "$icon")"
done

mime=$root/usr/share/mime/packages/quorrel.xml
if [ -f "$mime" ]; then
  mkdir -p "$root/mime/packages"
  cp "$mime" "$root/mime/packages/"
  # It reports a parse error on its output but still exits 0; pointing the
  # search path at the temporary folder keeps it quiet when all is well.
  if ! report=$(XDG_DATA_HOME=$root XDG_DATA_DIRS=$root update-mime-database "$root/mime" 2>&1) ||
    [ -n "$report" ]; then
    fail "update-mime-database rejects quorrel.xml: $report"
  fi
  for glob in 'application/x-fzx-font:\*\.fzx' 'application/x-zx-charset:\*\.chr' \
    'application/x-zx-charset:\*\.udg'; do
    grep -q ":$glob\$" "$root/mime/globs2" 2>/dev/null || fail "MIME glob missing: ${glob//\\/}"
  done
fi

if [ "$failures" -ne 0 ]; then
  echo "check-package: FAIL: $failures problem(s) in $deb"
  exit 1
fi
echo "check-package: ok: $deb"
