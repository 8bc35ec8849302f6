# Sourced by the download benchmarks: writes a configuration of 48 reads of
# one holding register each, automatically mapped, to the file $file with
# the varkel-cli at $cli.
"$cli" new -o "$file" >/dev/null
"$cli" add-node "$file" >/dev/null
i=0
while [ "$i" -lt 48 ]; do
    "$cli" add-command "$file" --function 2 >/dev/null
    "$cli" set "$file" "command:0:$i" 1 $((i * 10)) >/dev/null
    "$cli" set "$file" "command:0:$i" 2 1 >/dev/null
    i=$((i + 1))
done
"$cli" automap "$file" >/dev/null
