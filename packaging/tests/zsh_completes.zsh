#!/usr/bin/zsh -f
# Types "zurmet-convert ARGUMENTS" and a Tab into an interactive zsh with the
# system's completions and waits until the line or the list shows WANTED.
#   zsh_completes.zsh ARGUMENTS WANTED
# Exit status 0 when it does within 10 seconds, 1 otherwise.
zmodload zsh/zpty
zpty shell 'zsh -f -i 2>&1'
zpty -w shell 'PROMPT="> "; autoload -Uz compinit && compinit -u -D && print comp""init-done'

# Reads the shell's output until it holds $1 or 10 seconds pass.
await() {
  local output chunk
  for _ in {1..100}; do
    while zpty -r -t shell chunk; do output+=$chunk; done
    [[ $output == *$1* ]] && return 0
    sleep 0.1
  done
  print -r -- "${output//$'\e'\[[0-9;?]#[a-zA-Z]/}" >&2
  return 1
}

await compinit-done || { zpty -d shell; exit 1 }
zpty -w -n shell "zurmet-convert $1"$'\t'
await "$2"
result=$?
zpty -d shell
exit $result
