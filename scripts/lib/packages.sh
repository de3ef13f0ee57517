#!/usr/bin/env bash
# The Debian 12 packages Zurmet's scripts use, listed once, by what needs
# them. Sourced by scripts/test, scripts/run, scripts/screenshots,
# scripts/bench, scripts/compare_cli, scripts/package, the package tests
# (packaging/tests/) and bench/startup_qt_timing.sh, which ask for groups:
#   install_missing GROUP...   installs the packages of those groups that are missing
#   missing_packages GROUP...  prints them, one a line
#   packages_of GROUP...       prints every package of those groups, one a line
# Run on its own it prints the packages of the groups named, or of all:
#   scripts/lib/packages.sh build linux fonts

declare -gA package_groups=(
  # configuring any preset: the build tools and the two header libraries
  [build]="cmake make libcli11-dev nlohmann-json3-dev"
  # the linux and asan presets: g++, Qt 6 Widgets (with Qt Test and the
  # offscreen platform the window tests run on) and GoogleTest
  [linux]="g++ qt6-base-dev libgtest-dev"
  # the windows preset and running what it builds: the cross compiler,
  # GoogleTest's sources to build with it, and Wine
  [windows]="g++-mingw-w64-x86-64 googletest wine64"
  # the face the windows are laid out for, and the scalable faces beside it
  [fonts]="fonts-wine fonts-liberation"
  # a private virtual X server when there is no display
  [display]="xvfb"
  # the benchmarks (one runs beside GMP), the window tests under another
  # locale, and GNU units, which the engine's tests compare a sample of
  # conversions with
  [tests]="libbenchmark-dev libgmp-dev locales-all units"
  # the converters scripts/bench times the command line against, and
  # scripts/compare_cli compares its words with
  [peers]="units qalc bsdextrautils"
  # driving the window with real input and taking pictures of it
  [screenshots]="imagemagick xdotool x11-utils"
  # the native window on a desktop, for scripts/test's desktop stage: on X11 a
  # window manager and xprop; on Wayland Qt's plugin for it and two compositors
  # (Weston, mutter); a session bus and the accessibility bus with a client of
  # it; key presses and pictures
  [desktop]="openbox x11-utils weston mutter qt6-wayland dbus at-spi2-core python3-pyatspi
    xdotool imagemagick"
  # the fuzz targets; scripts/test skips them when these cannot be installed
  [fuzz]="clang libclang-rt-dev"
  # scripts/package, beside build and linux: the cross compiler without Wine,
  # dpkg-shlibdeps (dpkg-dev, file) for the .deb's dependencies, the
  # validators and NSIS
  [package]="g++-mingw-w64-x86-64 dpkg-dev file lintian desktop-file-utils appstream nsis"
  # the package tests: the shells whose completions are checked, man, the
  # validators, what closes the window on X11 (python3, libx11-6), and unzip
  # and strings for the Windows packages
  [package-tests]="bash-completion zsh fish man-db desktop-file-utils appstream python3 libx11-6
    unzip binutils"
)
package_group_names=(build linux windows fonts display tests peers screenshots desktop fuzz package
  package-tests)

packages_of() {
  local group package
  declare -A seen=()
  for group in "$@"; do
    if [[ -z "${package_groups[$group]+set}" ]]; then
      echo "no package group $group (groups: ${package_group_names[*]})" >&2
      return 1
    fi
    for package in ${package_groups[$group]}; do
      [[ -n "${seen[$package]:-}" ]] || echo "$package"
      seen[$package]=1
    done
  done
}

as_root() {
  if [[ $EUID -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "need root (or sudo) to run: $*" >&2
    return 1
  fi
}

is_installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing_packages() {
  local packages package
  packages="$(packages_of "$@")" || return 1
  for package in $packages; do
    is_installed "$package" || echo "$package"
  done
}

install_missing() {
  local missing
  missing="$(missing_packages "$@")" || return 1
  [[ -n "$missing" ]] || return 0
  # shellcheck disable=SC2086
  echo "installing" $missing >&2
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update
  # shellcheck disable=SC2086
  as_root apt-get install -y --no-install-recommends $missing
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
  set -euo pipefail
  if [[ $# -eq 0 ]]; then set -- "${package_group_names[@]}"; fi
  list="$(packages_of "$@")"
  paste -sd ' ' <<<"$list"
fi
