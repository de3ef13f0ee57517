# fish completion for zurmet-convert: its options, the categories, and the
# unit names and symbols, as zurmet-convert --list prints them.

# Each row of the list: the row number, two spaces, the name, two or more
# spaces, the symbol.
# Each unit is offered by name and by symbol, the other shown beside it.
function __zurmet_convert_units
    set -l rows (zurmet-convert --list 2>/dev/null)
    string replace -rf '^ *\d+  (.*\S) {2,}(\S.*)$' '$1'\t'$2' -- $rows
    string replace -rf '^ *\d+  (.*\S) {2,}(\S.*)$' '$2'\t'$1' -- $rows
end

function __zurmet_convert_categories
    zurmet-convert --list 2>/dev/null | string match -rv '^ '
end

# True while the word being typed is not a value or an option.
function __zurmet_convert_wants_unit
    not string match -qr -- '^-|^[0-9.,/]' (commandline -ct)
end

function __zurmet_convert_has_to
    contains -i -- to (commandline -opc | string lower) >/dev/null
end

complete -c zurmet-convert -f
complete -c zurmet-convert -s h -l help -d 'Print a summary of the usage'
complete -c zurmet-convert -l places -x -a '(seq 0 30)' -d 'Decimal places of the answer'
complete -c zurmet-convert -l no-round -d 'Cut the last place instead of rounding it'
complete -c zurmet-convert -l grouping -d 'Group the digits before the point'
complete -c zurmet-convert -l no-grouping -d 'No thousand separators'
complete -c zurmet-convert -l locale -d 'The regional decimal symbol and thousand separator'
complete -c zurmet-convert -l window-format -d 'Exactly the text the window shows'
complete -c zurmet-convert -l exp -d 'Scientific form'
complete -c zurmet-convert -l decimal-symbol -x -d 'Decimal symbol of the answer'
complete -c zurmet-convert -l thousand-separator -x -d 'Thousand separator of the answer'
complete -c zurmet-convert -l category -x -a '(__zurmet_convert_categories)' -d 'The category, where the units leave a choice'
complete -c zurmet-convert -l us -d 'US target units to suit the quantity'
complete -c zurmet-convert -l metric -d 'Metric target units to suit the quantity'
complete -c zurmet-convert -l list -x -a '(__zurmet_convert_categories)' -d 'List the units with their symbols'
complete -c zurmet-convert -l batch -d 'Convert JSON lines from standard input'
complete -c zurmet-convert -l version -d 'Print the version'
complete -c zurmet-convert -n __zurmet_convert_wants_unit -a '(__zurmet_convert_units)'
complete -c zurmet-convert -n '__zurmet_convert_wants_unit; and not __zurmet_convert_has_to' -a to -d 'The units to convert to follow'
