# bash completion for zurmet-convert: its options, the categories, and the
# unit names and symbols, as zurmet-convert --list prints them.

# Each row of the list: the row number, two spaces, the name, two or more
# spaces, the symbol.
# A name may itself hold a double space ("drams  (ap)"), so the symbol is
# what follows the last run of spaces.
_zurmet_convert_units() {
  "$1" --list 2>/dev/null | sed -nE 's/^ *[0-9]+  (.*[^ ]) {2,}([^ ].*)$/\1\n\2/p' | sort -u
}

_zurmet_convert_categories() {
  "$1" --list 2>/dev/null | grep -v '^ '
}

# Offers the words of standard input that start with the typed text, in any
# case, quoted for the shell ("sq\ ft", "bond\ \(17x22\)").
_zurmet_convert_offer() {
  local typed word
  # An unfinished quote or a bare "(" cannot be dequoted: take it as typed.
  typed="$(dequote "$cur")"
  [[ -n "$typed" ]] || typed="$cur"
  while IFS= read -r word; do
    [[ -n "$word" && "${word,,}" == "${typed,,}"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
  done
}

_zurmet_convert() {
  local cur prev words cword
  # Units hold "(", ":" and "=", which must not split the word being typed.
  _init_completion -n '(:=' || return
  COMPREPLY=()
  local program="${words[0]}"

  case "$prev" in
    --places)
      mapfile -t COMPREPLY < <(compgen -W "$(seq 0 30)" -- "$cur")
      return
      ;;
    --category | --list)
      _zurmet_convert_offer < <(_zurmet_convert_categories "$program")
      return
      ;;
    --decimal-symbol | --thousand-separator)
      return
      ;;
  esac

  local i options_done=0 has_to=0
  for ((i = 1; i < cword; i++)); do
    case "${words[i]}" in
      --) options_done=1 ;;
      [Tt][Oo]) has_to=1 ;;
    esac
  done
  if [[ $options_done -eq 0 && "$cur" == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W '-h --help --places --no-round --grouping --no-grouping
      --locale --window-format --exp --decimal-symbol --thousand-separator --category --us --metric
      --list --batch --version --' \
      -- "$cur")
    return
  fi
  # A value is typed, not chosen.
  [[ "$cur" =~ ^-?[0-9.,/] ]] && return
  _zurmet_convert_offer < <(
    _zurmet_convert_units "$program"
    [[ $has_to -eq 1 ]] || echo to
  )
}

complete -F _zurmet_convert zurmet-convert
