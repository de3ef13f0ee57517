#!/usr/bin/env bash
# Tests the Windows packages that scripts/package wrote to build/packages/,
# under Wine in a fresh prefix (build/wineprefix-package), with an X display:
#   - the installer, silently, into a folder given with /D=; then again over
#     that install made to look older, which must be replaced where it is;
#     each time the files, the Start-menu shortcut and the uninstall key are
#     checked, zurmet.exe must show "Zurmet 1.0" and end with exit code 0
#     when closed, and zurmet-convert.exe must convert;
#   - the uninstaller, silently, after which none of it may be left;
#   - the installer once more into its default folder, and the uninstaller;
#   - both programs run from the unzipped ZIP.
# Prints each check; the exit status is 1 if any failed.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$repo"
source scripts/lib/packages.sh
source packaging/tests/checks.sh

export ZURMET_WINE_HEADLESS=1
export ZURMET_WINEPREFIX="$repo/build/wineprefix-package"
prefix="$ZURMET_WINEPREFIX"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zurmet'
user_dir="$prefix/drive_c/users/$(id -un)"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zurmet.lnk"
launcher=build/package-windows/bench/startup/launch_window.exe
work="$(mktemp -d)"
trap 'rm -rf "$work"; scripts/wine-run wineserver -k >/dev/null 2>&1 || true' EXIT

wine() { scripts/wine-run "$@"; }
# Waits until every program of the prefix has ended (the uninstaller runs on
# from a copy of itself after the one started returns).
settle() { scripts/wine-run wineserver -w; }
# The Windows path of a file in the prefix, or of any other file (drive Z:).
windows_path() {
  local path="$1"
  if [[ "$path" == "$prefix/drive_c/"* ]]; then
    path="C:/${path#"$prefix/drive_c/"}"
  else
    path="Z:$path"
  fi
  echo "${path//\//\\}"
}

fresh_prefix() {
  scripts/wine-run wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
  wine --init
  # Wine would copy every Start-menu shortcut into this machine's own menu.
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f \
    >/dev/null
}

registry_value() {
  wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

# install [/D=FOLDER]: through cmd, as a user would type it, since /D= takes
# the rest of the line unquoted, spaces and all.
install() {
  wine cmd /c "$(windows_path "$PWD/$setup") /S $*"
  settle
}

window_shows_and_closes() {
  wine "$launcher" --title "Zurmet 1.0" --timeout 60 "$(windows_path "$1")"
}

# check_programs FOLDER: the two programs of a folder run as they should.
check_programs() {
  check "zurmet.exe shows \"Zurmet 1.0\" and closes with 0 ($2)" window_shows_and_closes "$1/zurmet.exe"
  expect "zurmet-convert.exe converts ($2)" "12 in" wine "$1/zurmet-convert.exe" 1 ft to in
  expect "zurmet-convert.exe has the package's version ($2)" "zurmet-convert $version" \
    wine "$1/zurmet-convert.exe" --version
}

# check_installed FOLDER: what an install into FOLDER must leave.
check_installed() {
  local dir="$1" name windows
  windows="$(windows_path "$dir")"
  for name in zurmet.exe zurmet-convert.exe README.txt LICENSE.txt uninstall.exe; do
    check "installed $name" test -s "$dir/$name"
  done
  check "Start-menu shortcut to zurmet.exe" grep -aq zurmet.exe "$shortcut"
  check "listed among the installed programs" contains "Zurmet|||Zurmet" wine uninstaller --list
  expect "uninstall key: name" Zurmet registry_value DisplayName
  expect "uninstall key: version" "$version" registry_value DisplayVersion
  expect "uninstall key: publisher" "The Zurmet developers" registry_value Publisher
  expect "uninstall key: icon" "$windows\\zurmet.exe,0" registry_value DisplayIcon
  expect "uninstall key: folder" "$windows" registry_value InstallLocation
  expect "uninstall key: uninstaller" "\"$windows\\uninstall.exe\"" registry_value UninstallString
  check_programs "$dir" installed
}

uninstall_and_check() {
  local dir="$1"
  wine "$(windows_path "$dir/uninstall.exe")" /S
  settle
  check "uninstalled: folder removed" test ! -e "$dir"
  check "uninstalled: shortcut removed" test ! -e "$shortcut"
  check "uninstalled: uninstall key removed" bash -c "! scripts/wine-run reg query '$key' >/dev/null 2>&1"
}

main() {
  install_missing build windows fonts package-tests
  setup="$(ls build/packages/zurmet-*-setup.exe)"
  zip="$(ls build/packages/zurmet-*-windows-x64.zip)"
  version="${setup#build/packages/zurmet-}"
  version="${version%-setup.exe}"
  cmake --build --preset package-windows --target launch_window >/dev/null
  fresh_prefix

  local chosen="$prefix/drive_c/Zurmet Test" default="$user_dir/AppData/Local/Programs/Zurmet"
  install "/D=$(windows_path "$chosen")"
  echo "-- installed into a chosen folder"
  check_installed "$chosen"

  # An older install: its own version in the key, and other program files.
  wine reg add "$key" /v DisplayVersion /t REG_SZ /d 0.9.0 /f >/dev/null
  echo "not this version" >"$chosen/zurmet-convert.exe"
  install
  echo "-- installed again over an older version"
  check "upgraded where it was, not into the default folder" test ! -e "$default"
  check_installed "$chosen"
  uninstall_and_check "$chosen"

  install
  echo "-- installed into the default folder"
  check_installed "$default"
  uninstall_and_check "$default"

  echo "-- the ZIP"
  unzip -q "$zip" -d "$work"
  local unpacked="$work/$(basename "$zip" .zip)"
  check "zurmet.exe carries version $version" bash -c \
    "strings -el '$unpacked/zurmet.exe' | grep -qx '$version'"
  check "the ZIP has README.txt and LICENSE.txt" test -s "$unpacked/README.txt" -a -s "$unpacked/LICENSE.txt"
  check_programs "$unpacked" unzipped

  finish "the Windows packages"
}

main "$@"
