#!/bin/sh
# Checks the Debian package without installing it: its fields and files,
# the programs run from an unpacked copy, the manual pages, and lintian when
# it is there.
#   check_package.sh PACKAGE_DIR VERSION
# Exit 77 (skipped) when no package of VERSION has been built (`make package`).
set -u
dir=$1
version=$2

deb=$(ls "$dir"/varkel_"$version"_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    echo "no package varkel_${version}_*.deb in $dir: run make package"
    exit 77
fi
echo "checking $deb"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Control fields.
dpkg-deb --field "$deb" > "$tmp/control" || fail "dpkg-deb cannot read the package"
for field in "Package: varkel" "Version: $version" "Section: electronics" "Priority: optional" \
    "Maintainer: " "Description: " "Homepage: "; do
    grep -q "^$field" "$tmp/control" || fail "control field '$field' missing"
done
depends=$(sed -n 's/^Depends: //p' "$tmp/control")
# Linked libraries come from dpkg-shlibdeps, the rest are named by hand.
for package in libc6 libstdc++6 libqt6widgets6 libqt6svg6 libtinyxml2.6.2v5 libzip4 libmodbus5 \
    fonts-wqy-microhei qt6-translations-l10n; do
    case ", $depends," in
        *", $package"[\ ,]*) ;;
        *) fail "Depends lacks $package: $depends" ;;
    esac
done

# Files.
dpkg-deb --contents "$deb" > "$tmp/contents" || fail "dpkg-deb cannot list the package"
for path in \
    usr/bin/varkel usr/bin/varkel-cli usr/bin/varkel-sim usr/bin/varkel-slave \
    usr/share/varkel/Template.xlsx usr/share/varkel/Template_en.xlsx \
    usr/share/varkel/translations/varkel_zh.qm usr/share/varkel/translations/varkel_en.qm \
    usr/share/varkel/manual/manual_en.html usr/share/varkel/manual/manual_zh.html \
    usr/share/varkel/manual/manual.css usr/share/varkel/manual/images/main_en.png \
    usr/share/applications/varkel.desktop \
    usr/share/icons/hicolor/scalable/apps/varkel.svg \
    usr/share/man/man1/varkel.1.gz usr/share/man/man1/varkel-cli.1.gz \
    usr/share/man/man1/varkel-sim.1.gz usr/share/man/man1/varkel-slave.1.gz \
    usr/share/bash-completion/completions/varkel-cli \
    usr/share/doc/varkel/copyright usr/share/doc/varkel/changelog.gz usr/share/doc/varkel/cli.md; do
    grep -q " \./$path\$" "$tmp/contents" || fail "$path missing from the package"
done
awk '{ print $2 }' "$tmp/contents" | grep -v '^root/root$' > "$tmp/owners"
[ -s "$tmp/owners" ] && fail "files not owned by root: $(sort -u "$tmp/owners" | tr '\n' ' ')"
for program in varkel varkel-cli varkel-sim varkel-slave; do
    grep -q "^-rwxr-xr-x .* \./usr/bin/$program\$" "$tmp/contents" ||
        fail "usr/bin/$program is not mode 0755"
done

# The programs from an unpacked copy: they must find their own files.
root="$tmp/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb cannot unpack the package"
cli="$root/usr/bin/varkel-cli"
[ "$("$cli" --version)" = "varkel-cli $version" ] || fail "varkel-cli --version: $("$cli" --version)"
"$cli" --lang en new -o "$tmp/plant.xml" || fail "varkel-cli new"
"$cli" --lang en check "$tmp/plant.xml" || fail "varkel-cli check of a new configuration"
"$cli" --lang en add-node "$tmp/plant.xml" >/dev/null || fail "varkel-cli add-node"
"$cli" --lang en add-command "$tmp/plant.xml" --function 2 >/dev/null ||
    fail "varkel-cli add-command"
"$cli" --lang en check "$tmp/plant.xml" >/dev/null 2>&1
[ $? -eq 6 ] || fail "varkel-cli check does not report the empty data number (6)"
"$cli" --lang en export "$tmp/plant.xml" -o "$tmp/plant.xlsx" ||
    fail "varkel-cli export with the packaged template"
[ -s "$tmp/plant.xlsx" ] || fail "no workbook written"
# The template used must be the unpacked one, not one of the build machine:
# spoilt, it makes the export fail as an invalid template (65).
for name in Template.xlsx Template_en.xlsx; do
    [ -f "$root/usr/share/varkel/$name" ] && echo "not a workbook" > "$root/usr/share/varkel/$name"
done
"$cli" --lang en export "$tmp/plant.xml" -o "$tmp/spoilt.xlsx" 2>/dev/null
[ $? -eq 65 ] || fail "varkel-cli export does not use the template of the package"
"$root/usr/bin/varkel-sim" --help >/dev/null || fail "varkel-sim --help"
"$root/usr/bin/varkel-slave" --help >/dev/null || fail "varkel-slave --help"
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/varkel" --version)" = "varkel $version" ] ||
    fail "varkel --version"
QT_QPA_PLATFORM=offscreen timeout 60 "$root/usr/bin/varkel" --lang en --device 0 \
    --screenshot "$tmp/window.png" || fail "varkel does not start"
[ -s "$tmp/window.png" ] || fail "varkel drew no window"

# Manual pages: one per program, with the options of the program's help.
for program in varkel varkel-cli varkel-sim varkel-slave; do
    page="$root/usr/share/man/man1/$program.1.gz"
    gzip -t "$page" 2>/dev/null || { fail "$program.1.gz is not gzip"; continue; }
    zcat "$page" | grep -q "^$program \\\\- " || fail "$program.1 has no NAME line"
    zcat "$page" | grep -q -- '-\\-lang' || fail "$program.1 does not list --lang"
done

# The completion loads in bash and is bound to the program.
bash -c ". '$root/usr/share/bash-completion/completions/varkel-cli' &&
    complete -p varkel-cli | grep -q _varkel_cli" || fail "bash completion does not load"

if command -v lintian >/dev/null 2>&1; then
    # Errors fail; warnings are listed for the reader.
    lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" || fail "lintian errors"
else
    echo "lintian not installed: not run"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "package ok"
