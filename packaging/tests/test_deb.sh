#!/usr/bin/env bash
# Tests the .deb that scripts/package wrote to build/packages/ on this machine,
# as root (or through sudo), with an X display in $DISPLAY:
#   - installs a copy relabelled as an older version, then the package over it
#     with apt-get, which must upgrade it in place;
#   - runs /usr/bin/zurmet-convert, and /usr/bin/zurmet until its window is
#     shown: on Qt's offscreen platform, and on $DISPLAY, where it must end
#     with exit status 0 when asked to close;
#   - checks that man, the desktop, AppStream and the three shells find what
#     the package installs;
#   - purges it and checks that nothing of it is left.
# Prints each check; the exit status is 1 if any failed.
set -euo pipefail

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$repo"
source scripts/lib/packages.sh
source packaging/tests/checks.sh

id=org.zurmet.Zurmet
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

apt_get() {
  # Other package installs on this machine may hold the lock for a while.
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 -y "$@"
}

installed_version() { dpkg-query -W -f='${Version}' zurmet 2>/dev/null; }

# The package with a lower version and an extra file, as an earlier release.
older_package() {
  local tree="$work/older"
  dpkg-deb -R "$1" "$tree"
  sed -i 's/^Version: .*/Version: 0.9.0/' "$tree/DEBIAN/control"
  echo "from 0.9.0" >"$tree/usr/share/doc/zurmet/only-in-0.9.0"
  (cd "$tree" && find usr -type f -exec md5sum {} +) >"$tree/DEBIAN/md5sums"
  dpkg-deb --root-owner-group -b "$tree" "$work/zurmet_0.9.0_amd64.deb" >/dev/null
  echo "$work/zurmet_0.9.0_amd64.deb"
}

# zurmet runs on the offscreen platform until its main window has been
# painted (Qt reports painting a top-level as a root drawing), then it is
# ended: that platform offers no way to close a window from outside.
window_shows_offscreen() {
  local log="$work/offscreen.log" pid
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" /usr/bin/zurmet \
    >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    if grep -q 'Drawing QRegion(0,0 [0-9]*x[0-9]*) of QWidget.*DrawAsRoot' "$log"; then
      kill "$pid"
      wait "$pid" 2>/dev/null || true
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  echo "no window was painted; the program's output:"
  cat "$log"
  return 1
}

# The window's class must be the one the desktop entry names, or the desktop
# would not tie the window to the entry.
window_shows_and_closes() {
  local pid status=0 class wanted
  wanted="$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$id.desktop")"
  QT_QPA_PLATFORM=xcb /usr/bin/zurmet &
  pid=$!
  class="$(python3 packaging/tests/close_window.py "Zurmet 1.0" 30)" || {
    kill "$pid"
    return 1
  }
  wait "$pid" || status=$?
  [[ $status -eq 0 ]] || echo "zurmet ended with exit status $status"
  if [[ "$class" != *"class: "*" $wanted"$'\n'* ]]; then
    echo "the window's class is not the desktop entry's $wanted: $class"
    status=1
  fi
  return "$status"
}

bash_completes() {
  bash -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader zurmet-convert
    complete -p zurmet-convert
    COMP_WORDS=(zurmet-convert 1 "sq.\\ fe"); COMP_CWORD=2; COMP_LINE="zurmet-convert 1 sq.\\ fe"
    COMP_POINT=${#COMP_LINE}
    _zurmet_convert zurmet-convert "sq.\\ fe" 1
    printf "%s\n" "${COMPREPLY[@]}"'
}

# bash_offers PREVIOUS WORD: what bash's completion offers for WORD typed
# after PREVIOUS.
bash_offers() {
  bash -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader zurmet-convert
    COMP_WORDS=(zurmet-convert "$1" "$2"); COMP_CWORD=2; COMP_LINE="zurmet-convert $1 $2"
    COMP_POINT=${#COMP_LINE}
    _zurmet_convert zurmet-convert "$2" "$1"
    printf "%s\n" "${COMPREPLY[@]}"' bash "$1" "$2"
}

zsh_finds_completion() {
  zsh -fc 'autoload -Uz compinit && compinit -u -D && print -r -- $_comps[zurmet-convert]'
}

fish_completes() {
  fish -c 'complete -C"zurmet-convert 1 fee"; complete -C"zurmet-convert --pla"'
}

check_installed_files() {
  local size
  expect "man finds zurmet-convert(1)" /usr/share/man/man1/zurmet-convert.1.gz man -w zurmet-convert
  expect "man finds zurmet(1)" /usr/share/man/man1/zurmet.1.gz man -w zurmet
  check "desktop entry valid" desktop-file-validate "/usr/share/applications/$id.desktop"
  expect "desktop entry starts /usr/bin's zurmet" "Exec=zurmet" \
    grep '^Exec=' "/usr/share/applications/$id.desktop"
  for size in 16 32 48 64 128 256; do
    check "icon of $size px in hicolor" test -s "/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  done
  check "metainfo valid" appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml"
  check "bash loads the completion and offers units" contains 'sq.\ feet' bash_completes
  expect "zsh finds the completion" _zurmet-convert zsh_finds_completion
  check "zsh offers unit names" zsh -f packaging/tests/zsh_completes.zsh "1 ft to centim" centimeters
  check "fish offers units and options" contains --places fish_completes
  check "fish offers unit names" contains feet fish_completes
  # The command line's own categories and their units, which the window lacks.
  check "bash offers units beyond the window's" contains kWh bash_offers 1 kW
  check "bash offers categories beyond the window's" contains 'Fuel\ economy' bash_offers --list Fu
  check "zsh offers units beyond the window's" zsh -f packaging/tests/zsh_completes.zsh \
    "1 kWh to kilowatt-h" kilowatt-hours
  check "fish offers units beyond the window's" contains kilowatt-hours \
    fish -c 'complete -C"zurmet-convert 1 kWh to kilowatt-h"'
}

main() {
  install_missing package-tests
  local deb version older leftovers
  deb="$(ls build/packages/zurmet_*_amd64.deb)"
  version="$(dpkg-deb -f "$deb" Version)"
  older="$(older_package "$deb")"

  apt_get purge zurmet >/dev/null 2>&1 || true
  apt_get install "$older" >/dev/null
  expect "older version installed" 0.9.0 installed_version
  apt_get install "$PWD/$deb" >/dev/null
  expect "upgraded in place to $version" "$version" installed_version
  check "files only the older version had are gone" test ! -e /usr/share/doc/zurmet/only-in-0.9.0

  expect "zurmet-convert converts" "12 in" /usr/bin/zurmet-convert 1 ft to in
  expect "zurmet-convert has the package's version" "zurmet-convert $version" \
    /usr/bin/zurmet-convert --version
  check "zurmet shows its window (offscreen)" window_shows_offscreen
  check "zurmet shows its window of the entry's class, closes with 0 (X11)" window_shows_and_closes
  check_installed_files

  dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' | grep -v '/$' >"$work/files"
  apt_get purge zurmet >/dev/null
  check "purged" test -z "$(installed_version)"
  leftovers="$(while read -r file; do [[ ! -e "$file" ]] || echo "$file"; done <"$work/files")"
  if [[ -z "$leftovers" && ! -e /usr/share/doc/zurmet ]]; then
    pass "nothing of the package is left"
  else
    fail "left after purge: $leftovers"
  fi

  finish "the .deb"
}

main "$@"
