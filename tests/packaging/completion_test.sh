#!/bin/bash
# The bash completion of varkel-cli against the built program, on plain bash
# and, when the bash-completion package is installed, with its helpers.
#   completion_test.sh VARKEL_CLI COMPLETION_FILE [--with-helpers]
set -u
real=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
if [[ ${3-} == --with-helpers ]]; then
    helpers=/usr/share/bash-completion/bash_completion
    [[ -r $helpers ]] || { echo "bash-completion not installed"; exit 77; }
    . "$helpers"
fi
. "$2"

failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The program, but with a port list of its own.
fake="$tmp/bin/varkel-cli"
mkdir -p "$tmp/bin" "$tmp/work/configs"
cat > "$fake" <<EOF
#!/bin/sh
[ "\$1" = ports ] && { printf '/dev/ttyUSB0\n/dev/ttyUSB1\n/dev/ttyS0\n'; exit 0; }
exec "$real" "\$@"
EOF
chmod +x "$fake"
cd "$tmp/work" || exit 1
touch plant.xml plain.xml notes.txt table.xlsx configs/a.xml

# complete WORDS...: the completion of the last word, sorted, one line.
complete_words() {
    COMP_WORDS=("$fake" "$@")
    COMP_CWORD=$#
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _varkel_cli
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

expect() {
    local want=$1
    shift
    local got
    got=$(complete_words "$@")
    if [[ $got != "$want" ]]; then
        echo "FAIL: varkel-cli $* <TAB>: got '$got', want '$want'"
        failures=$((failures + 1))
    fi
}

# Contains: the completion holds every word of WANT (for lists that grow).
expect_has() {
    local want=$1
    shift
    local got word
    got=" $(complete_words "$@") "
    for word in $want; do
        if [[ $got != *" $word "* ]]; then
            echo "FAIL: varkel-cli $* <TAB>: '$word' missing from '$got'"
            failures=$((failures + 1))
        fi
    done
}

# Commands, from the program's help.
expect_has "add-command add-node automap check diff download export map new ports set show upload" ""
expect "diff download" d
expect "add-command add-node automap" a
expect "new" --lang en n
# Global and per-command options.
expect_has "--lang --answer --version --help" --
expect "--lang" --la
expect_has "--port --trace --help" download plant.xml --
expect "--function" add-command plant.xml --fu
expect_has "--output --universal" new --
# Option values.
expect "en zh" --lang ""
expect "cancel" --answer c
expect "/dev/ttyUSB0 /dev/ttyUSB1" download plant.xml --port /dev/ttyU
expect "/dev/ttyS0 /dev/ttyUSB0 /dev/ttyUSB1" upload --port ""
expect "1 10 11 12 13" add-command plant.xml --function 1
expect "table.xlsx" export plant.xml -o t
expect "plain.xml plant.xml" automap plant.xml -o pl
# tags: its formats, and any file as output.
expect "csv iec s7" tags plant.xml --format ""
expect "notes.txt" tags plant.xml --format csv --type 1=REAL -o n
expect "configs plain.xml plant.xml" tags --format s7 ""
# Several gateways: a port is offered once, a port list is any file, the
# reference of --compare a configuration, and upload from more than one
# port writes into a folder.
expect "--port --ports-from" download plant.xml --po
expect_has "--port --ports-from --output --base --compare" upload --
expect "/dev/ttyS0 /dev/ttyUSB1" download plant.xml --port /dev/ttyUSB0 --port ""
expect "/dev/ttyS0" download plant.xml --port /dev/ttyUSB0 --port /dev/ttyUSB1 --port ""
expect "notes.txt" download plant.xml --ports-from n
expect "plain.xml plant.xml" upload --port /dev/ttyS0 -o out.xml --compare p
expect "configs plain.xml plant.xml" upload --port /dev/ttyS0 -o ""
expect "configs" upload --port /dev/ttyS0 --port /dev/ttyUSB0 -o ""
expect "configs" upload --ports-from notes.txt -o ""
expect "plain.xml plant.xml" upload --ports-from notes.txt -o configs --compare pl
# Configuration files and folders, not other files.
expect "configs plain.xml plant.xml" check ""
expect "plain.xml plant.xml" diff plant.xml p
expect "configs/a.xml" show configs/
# set FILE TARGET ROW VALUE
expect "command: fieldbus node: subnet" set plant.xml ""
expect "node:" set plant.xml n
expect "command:" set plant.xml c
expect "subnet" set plant.xml s
expect "" set plant.xml subnet ""
# A port that is not listed (a virtual gateway's link) completes as a path.
expect "notes.txt" download plant.xml --port no
# Nothing to complete for a command without arguments.
expect "" ports ""

if ((failures)); then
    echo "$failures failure(s)"
    exit 1
fi
echo "completion ok"
