# Sourced by scripts/test, scripts/run, scripts/screenshots, scripts/package,
# the package tests (packaging/tests/) and bench/startup_qt_timing.sh:
# installs the Debian packages named in the caller's `packages` array when
# some are missing (scripts/test uses only the first two helpers).

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

install_missing() {
  local package missing=()
  for package in "${packages[@]}"; do
    is_installed "$package" || missing+=("$package")
  done
  [[ ${#missing[@]} -gt 0 ]] || return 0
  echo "installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update
  as_root apt-get install -y --no-install-recommends "${missing[@]}"
}
