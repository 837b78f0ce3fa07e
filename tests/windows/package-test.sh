#!/bin/sh
# Tries the Windows package under wine as a user would, in a wine prefix and
# a home of its own (nothing reaches the host's desktop), on an X server of
# its own:
#  - the package: made again from the same build, the zip and the installer
#    are the same bytes, and SHA256SUMS holds their sums;
#  - the portable zip: unpacked, vantor-eval.exe runs from it; every DLL
#    that a program or DLL in it imports is in the folder or is Windows' own,
#    every DLL in it is imported by something, nothing carries debugging
#    information, every program and DLL has ASLR (high entropy) and DEP, the
#    licence notes name every DLL, vantor.exe has its icon;
#  - the installer, silently (/S): the files land in
#    %LOCALAPPDATA%\Programs\Vantor, as in the zip, with a Start-menu entry
#    and an uninstall key in HKCU; the installed vantor-eval.exe computes;
#    the installed vantor.exe opens its window with the windows platform
#    plugin and the windowsvista style from its folder, loads no DLL from
#    elsewhere but Windows', and closes when asked; installing again over it
#    works; the quiet uninstall command that the key names ends with status
#    0 and removes everything, so that the prefix's files and uninstall keys
#    are as before the installation;
#  - an older version, made here from the same folder with a file of its
#    own, installed first: while its vantor.exe or vantor-eval.exe runs,
#    the quiet uninstall command and the installer end with status 2 and
#    change nothing, and the program goes on running; installed over it,
#    the new version leaves its own files only, one uninstall entry with the
#    new version and one Start-menu entry; the interactive uninstall
#    command, run silently, removes everything;
#  - a package signed with a throwaway key: its programs, vantor-libm.dll,
#    its installer and the uninstaller that installer writes verify.
#   tests/windows/package-test.sh BUILD_DIR
# BUILD_DIR is the Windows build, whose package/ holds
# vantor-<version>-windows-x64.zip and vantor-<version>-setup.exe (make
# windows-package); the test packages the build again beside it. The older
# version is made with makensis from windows/package/ beside this script.
# Ends with "N passed, N failed"; exits 1 when something failed.
set -eu
build=$(cd "$1" && pwd)
package_dir=$build/package
sources=$(cd "$(dirname "$0")/../.." && pwd)

# An X server of its own: the window must not open on someone's screen.
if [ -z "${VANTOR_PACKAGE_TEST_X:-}" ]; then
    VANTOR_PACKAGE_TEST_X=1 exec xvfb-run -a -s '-screen 0 1024x768x24' "$0" "$@"
fi

work=$(mktemp -d /tmp/vantor-package-test.XXXXXX)
export WINEPREFIX="$work/wine" HOME="$work/home" WINEDEBUG=-all
# No Mono or Gecko installer, no menu entries on the host.
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
# What the build's tests set would hide a missing file of the package.
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH
cleanup() {
    wineserver -k 2>/dev/null || true # the processes of this prefix only
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$HOME"

triplet=x86_64-w64-mingw32
example='2 + 3 * SIN(30)'
expected=3.49999999844557
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'

passed=0
failed=0
# check NAME COMMAND...: runs a check; its output is shown when it fails.
check() {
    check_name=$1
    shift
    check_started=$(date +%s)
    if "$@" >"$work/check.log" 2>&1; then
        passed=$((passed + 1))
        echo "PASS $check_name ($(($(date +%s) - check_started)) s)"
    else
        failed=$((failed + 1))
        echo "FAIL $check_name ($(($(date +%s) - check_started)) s)"
        sed 's/^/    /' "$work/check.log"
    fi
}

# The output of a Windows console program, without its CRs.
run() { wine "$@" | tr -d '\r'; }
unix_path() { winepath -u "$1" | sed 's|/$||'; }
# Runs a command line as the uninstall key holds it, "PROGRAM" ARGUMENTS,
# and ends with its status. The arguments go to wine split at spaces, and
# wine joins them into the same line again (none of them holds a quote).
run_command_line() {
    program=$(printf '%s\n' "$1" | sed -n 's/^"\([^"]*\)".*/\1/p')
    arguments=$(printf '%s\n' "$1" | sed -n 's/^"[^"]*" *//p')
    [ -n "$program" ] || { echo "not a command line: $1"; return 1; }
    (
        set -f # _?= is no pattern
        # shellcheck disable=SC2086
        wine "$program" $arguments
    )
}
lower() { tr '[:upper:]' '[:lower:]'; }
imports() { "$triplet-objdump" -p "$1" | sed -n 's/^\tDLL Name: //p'; }

# --- The files ----------------------------------------------------------

zips=$(find "$package_dir" -maxdepth 1 -name 'vantor-*-windows-x64.zip')
setups=$(find "$package_dir" -maxdepth 1 -name 'vantor-*-setup.exe')

one_of_each() {
    [ "$(echo "$zips" | grep -c .)" = 1 ] || { echo "zips: $zips"; return 1; }
    [ "$(echo "$setups" | grep -c .)" = 1 ] || { echo "installers: $setups"; return 1; }
}
check "one zip and one installer in $package_dir" one_of_each
[ "$failed" = 0 ] || { echo "0 passed, 1 failed"; exit 1; }
zip=$zips
setup=$setups
echo "zip: $(basename "$zip") $(($(wc -c <"$zip") / 1024)) KiB," \
    "installer: $(basename "$setup") $(($(wc -c <"$setup") / 1024)) KiB"

# The package that make windows-package made goes aside, and the same build
# is packaged again in its place.
packaged_again() {
    mv "$package_dir" "$work/first"
    cmake -P "$build/windows-package.cmake" >"$work/again.log" 2>&1 || { tail -n 20 "$work/again.log"; return 1; }
    status=0
    for file in "${zip##*/}" "${setup##*/}"; do
        cmp "$work/first/$file" "$package_dir/$file" || { echo "$file differs"; status=1; }
    done
    name=$(basename "$zip" .zip)
    [ $status = 0 ] || echo "SOURCE_DATE_EPOCH of the first and the second:" \
        "$(stat -c %Y "$work/first/$name" "$package_dir/$name" | paste -s -d ' ')"
    cat "$package_dir/SHA256SUMS"
    [ "$(cut -c 67- "$package_dir/SHA256SUMS" | paste -s -d ' ')" = "${setup##*/} ${zip##*/}" ] &&
        (cd "$package_dir" && sha256sum --quiet -c SHA256SUMS) && [ $status = 0 ]
}
check "packaged again, the zip and the installer are the same bytes, their sums in SHA256SUMS" packaged_again

started=$(date +%s)
wineboot --init >/dev/null 2>&1
wineserver -w
echo "(a new wine prefix: $(($(date +%s) - started)) s)"
system32=$WINEPREFIX/drive_c/windows/system32

mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
folder=$(find "$work/zip" -mindepth 1 -maxdepth 1 -type d)

zip_holds_one_folder() {
    [ "$(find "$work/zip" -mindepth 1 -maxdepth 1 | wc -l)" = 1 ] &&
        [ "$(basename "$folder")" = "$(basename "$zip" .zip)" ]
}
check "the zip holds one folder, named as the zip" zip_holds_one_folder

# Whether the vantor-eval.exe in a folder computes the worked example.
computes_example() {
    result=$(run "$1/vantor-eval.exe" "$example")
    echo "vantor-eval.exe \"$example\": $result"
    [ "$result" = "$expected" ]
}
check "vantor-eval.exe from the unpacked zip computes $example" computes_example "$folder"

names_carry_version() {
    version=$(run "$folder/vantor-eval.exe" --version | grep -o '[0-9][0-9.]*[0-9]' | head -n 1)
    echo "vantor-eval.exe --version: $version"
    [ "$(basename "$zip")" = "vantor-$version-windows-x64.zip" ] &&
        [ "$(basename "$setup")" = "vantor-$version-setup.exe" ]
}
check "the files are named with the version the programs report" names_carry_version

# Every import found in the folder's top (where Windows looks first) or
# among Windows' DLLs (api-ms-win-* names sets of them, which the loader
# resolves); every DLL of the top imported by something.
imports_resolve() {
    status=0
    find "$folder" -iname '*.exe' -o -iname '*.dll' | sort >"$work/binaries"
    : >"$work/imported"
    while read -r binary; do
        for dll in $(imports "$binary"); do
            echo "$dll" | lower >>"$work/imported"
            case $dll in api-ms-win-*) continue ;; esac
            if [ -z "$(find "$folder" -maxdepth 1 -iname "$dll")" ] &&
                [ -z "$(find "$system32" -maxdepth 1 -iname "$dll")" ]; then
                echo "${binary#"$folder"/} imports $dll, which is neither in the folder nor Windows'"
                status=1
            fi
        done
    done <"$work/binaries"
    for dll in "$folder"/*.dll; do
        name=$(basename "$dll" | lower)
        if ! grep -qx "$name" "$work/imported"; then
            echo "$(basename "$dll") is in the folder, but nothing imports it"
            status=1
        fi
        if [ -n "$(find "$system32" -maxdepth 1 -iname "$name")" ]; then
            echo "$(basename "$dll") is one of Windows' own DLLs"
            status=1
        fi
    done
    return $status
}
check "the folder has every DLL imported and no other" imports_resolve

only_the_plugins_needed() {
    find "$folder" -mindepth 2 -iname '*.dll' ! -path '*/licenses/*' | sed "s|^$folder/||" | sort >"$work/plugins"
    cat "$work/plugins"
    printf 'platforms/qwindows.dll\nstyles/qmodernwindowsstyle.dll\n' | cmp -s - "$work/plugins"
}
check "the plugins are the windows platform and the windowsvista style alone" only_the_plugins_needed

stripped() {
    status=0
    while read -r binary; do
        if "$triplet-objdump" -h "$binary" | grep -q '\.debug_'; then
            echo "${binary#"$folder"/} carries debugging information"
            status=1
        fi
    done <"$work/binaries"
    return $status
}
check "no program or DLL carries debugging information" stripped

# What of ASLR (DYNAMIC_BASE in DllCharacteristics, and the relocations that
# let the loader move the image), high-entropy ASLR and DEP a PE file lacks.
lacks() {
    "$triplet-objdump" -p "$1" >"$work/headers"
    flags=0x$(sed -n 's/^DllCharacteristics[[:space:]]*//p' "$work/headers")
    for bit in 0x40=ASLR 0x20=high-entropy-ASLR 0x100=DEP; do
        [ $((flags & ${bit%=*})) != 0 ] || echo "${bit#*=}"
    done
    grep -q '^Entry 5 [0-9a-f]* 0*[1-9a-f][0-9a-f]* Base Relocation' "$work/headers" || echo relocations
}

# hardened EXEMPT FILE...: whether no FILE lacks anything but what the
# pattern EXEMPT matches.
hardened() {
    exempt=$1 status=0
    shift
    for binary in "$@"; do
        missing=$(lacks "$binary" | grep -v -x -e "$exempt" | paste -s -d , -)
        [ -z "$missing" ] || { echo "${binary#"$folder"/} lacks $missing"; status=1; }
    done
    return $status
}
# shellcheck disable=SC2046 # the names hold no blanks
check "every program and DLL has ASLR, high-entropy ASLR and DEP" hardened '' $(cat "$work/binaries")

licence_notes_name_every_dll() {
    status=0
    for file in "$folder/README.txt" "$folder/LICENSE.txt" "$folder/licenses/README.txt"; do
        [ -s "$file" ] || { echo "missing: ${file#"$folder"/}"; status=1; }
    done
    if grep -n '@[A-Z_]*@' "$folder/licenses/README.txt"; then
        echo "licenses/README.txt has placeholders left"
        status=1
    fi
    while read -r binary; do
        name=$(basename "$binary")
        case $name in *.dll) ;; *) continue ;; esac
        for file in "$folder/README.txt" "$folder/licenses/README.txt"; do
            grep -q "$name" "$file" || { echo "${file#"$folder"/} does not name $name"; status=1; }
        done
    done <"$work/binaries"
    return $status
}
check "README.txt and licenses/README.txt name every DLL" licence_notes_name_every_dll

icon_and_version() {
    "$triplet-windres" -i "$folder/vantor.exe" -O rc >"$work/vantor.rc"
    grep -q 'RT_GROUP_ICON' "$work/vantor.rc" || { echo "vantor.exe has no icon"; return 1; }
    grep '"ProductVersion"' "$work/vantor.rc"
    grep -q "\"ProductVersion\", \"$version\"" "$work/vantor.rc"
}
check "vantor.exe carries its icon and its version" icon_and_version

# --- The installer --------------------------------------------------------

local_appdata=$(unix_path "$(run cmd /c 'echo %LOCALAPPDATA%')")
start_menu=$(unix_path "$(run cmd /c 'echo %APPDATA%')")/Microsoft/Windows/Start\ Menu/Programs
installed=$local_appdata/Programs/Vantor

# What the prefix's drive holds (temporary files aside) and which programs
# are registered for removal (the keys under Uninstall and their values; an
# empty Uninstall key is as good as none): after the uninstallation, as
# before.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . ! -path './users/*/Temp/*' | sort)
    run reg query "$uninstall_key" /s | grep -e 'Uninstall[\]' -e '^    ' || true
}
snapshot >"$work/before"

install_silently() {
    wine "$setup" /S || return 1
    wineserver -w
    [ -f "$installed/vantor.exe" ]
}
check "the installer runs silently, without administrator rights" install_silently

# NSIS's stub, the code of the installer and of the uninstaller, has no
# relocations by NSIS's design: makensis rewrites the stub's sections (the
# icon, the version, the data behind it) and keeps no relocation table valid,
# so NSIS builds it without one, and Windows loads it at its fixed address
# whatever its DYNAMIC_BASE says. Of the three, DEP is the one it can have.
check "the installer and the uninstaller it wrote have DEP" \
    hardened 'ASLR\|high-entropy-ASLR\|relocations' "$setup" "$installed/uninstall.exe"

installed_as_zipped() {
    (cd "$folder" && find . -type f | sort) >"$work/zip-files"
    (cd "$installed" && find . -type f | sort) >"$work/installed-files"
    echo ./uninstall.exe | sort -m - "$work/zip-files" | diff - "$work/installed-files" || return 1
    while read -r file; do
        cmp "$folder/$file" "$installed/$file" || return 1
    done <"$work/zip-files"
}
check "%LOCALAPPDATA%\\Programs\\Vantor holds the zip's files and the uninstaller" installed_as_zipped

start_menu_entry() {
    ls -l "$start_menu/Vantor.lnk"
}
check "the Start menu has Vantor" start_menu_entry

registered() {
    run reg query "$uninstall_key\\Vantor" | tee "$work/key"
    grep -q "DisplayName *REG_SZ *Vantor$" "$work/key" &&
        grep -q "DisplayVersion *REG_SZ *$version$" "$work/key" &&
        grep -q "UninstallString *REG_SZ *\"C:.*\\\\uninstall.exe\"$" "$work/key"
}
check "Vantor $version is registered for removal under HKCU" registered

check "the installed vantor-eval.exe computes $example" computes_example "$installed"

# The window: a window named Vantor is up within 60 s and still up 3 s
# later, with the windows platform plugin and the windowsvista style loaded
# from the program's folder (Qt's message that it found no platform plugin
# is a window named Vantor too), and no DLL but wine's own from elsewhere.
# Asked to close (WM_CLOSE), it ends with status 0.
window() {
    windows_folder=$(run cmd /c 'echo %LOCALAPPDATA%\Programs\Vantor')
    WINEDEBUG=+loaddll wine "$installed/vantor.exe" 2>"$work/loaddll.log" &
    pid=$!
    since=$(date +%s)
    until xdotool search --name '^Vantor$' >/dev/null 2>&1; do
        if ! kill -0 $pid 2>/dev/null; then
            echo "vantor.exe ended before its window opened"
            return 1
        fi
        if [ $(($(date +%s) - since)) -ge 60 ]; then
            echo "no window named Vantor after 60 s"
            return 1
        fi
        sleep 1
    done
    echo "a window named Vantor opened after $(($(date +%s) - since)) s"
    sleep 3
    kill -0 $pid 2>/dev/null || { echo "vantor.exe ended by itself"; return 1; }

    status=0
    sed -n 's/.*Loaded L"\(.*\)" at .*: native$/\1/p' "$work/loaddll.log" | sed 's/\\\\/\\/g' >"$work/native"
    echo "DLLs loaded from files: $(wc -l <"$work/native")"
    if grep -F -i -v "$windows_folder\\" "$work/native"; then
        printf 'loaded from outside %s (above)\n' "$windows_folder"
        status=1
    fi
    for plugin in 'platforms\qwindows.dll' 'styles\qmodernwindowsstyle.dll'; do
        if ! grep -F -i -q -x "$windows_folder\\$plugin" "$work/native"; then
            printf '%s was not loaded\n' "$plugin"
            status=1
        fi
    done

    wine taskkill /im vantor.exe >/dev/null 2>&1
    exit_status=0
    wait $pid || exit_status=$?
    echo "asked to close, vantor.exe ended with status $exit_status"
    [ $exit_status = 0 ] && [ $status = 0 ]
}
check "the installed vantor.exe opens its window and closes when asked" window

install_again() {
    wine "$setup" /S || return 1
    wineserver -w
    installed_as_zipped
}
check "installing again over the installation works" install_again

# A value of Vantor's uninstall key.
key_value() {
    run reg query "$uninstall_key\\Vantor" /v "$1" | sed -n "s/^ *$1 *REG_[A-Z]* *//p"
}

# The quiet command runs the uninstaller in place, so that its status is the
# uninstallation's: when it ends with 0, Vantor is gone; only the
# uninstaller's own file waits a moment for a copy of it to remove it.
uninstall_silently() {
    command=$(key_value QuietUninstallString)
    printf '%s\n' "$command"
    status=0
    run_command_line "$command" || status=$?
    echo "status $status"
    leftovers=$(find "$installed" -type f ! -name uninstall.exe 2>/dev/null || true)
    [ -z "$leftovers" ] || { printf 'left at once:\n%s\n' "$leftovers"; status=1; }
    ! wine reg query "$uninstall_key\\Vantor" >/dev/null 2>&1 || { echo "the key is left"; status=1; }
    wineserver -w # the copy that removes the uninstaller
    [ $status = 0 ]
}
check "the quiet uninstall command that the key names ends with status 0, Vantor removed" uninstall_silently

nothing_left() {
    snapshot >"$work/after"
    diff "$work/before" "$work/after"
}
check "nothing is left: files, Start-menu entry and key are as before" nothing_left

# --- An older version -----------------------------------------------------

# Made from the zip's folder with a file that the new version lacks, by the
# same script, its files stored uncompressed: 1 s instead of 17.
older=0.0.1
older_setup=$work/vantor-$older-setup.exe
install_older() {
    cp -R "$folder" "$work/older"
    echo "Only Vantor $older installs this." >"$work/older/older-only.txt"
    cmake -DFOLDER="$work/older" -DOUTPUT="$work/older-list.nsh" -P "$sources/windows/package/uninstall-list.cmake"
    makensis -V1 '-XSetCompressor /FINAL zlib' '-XSetCompress off' -DVERSION=$older -DPUBLISHER=tests \
        -DFOLDER="$work/older" -DUNINSTALL_LIST="$work/older-list.nsh" \
        -DICON="$sources/data/icons/org.vantor.Vantor.ico" -DOUTFILE="$older_setup" \
        "$sources/windows/package/vantor.nsi" || return 1
    wine "$older_setup" /S || return 1
    wineserver -w
    [ -f "$installed/older-only.txt" ] && [ "$(key_value DisplayVersion)" = $older ]
}
check "Vantor $older, with a file of its own, installs silently" install_older

# What the installation is: its files (their status change times show any
# write), its key and its Start-menu entry.
installation() {
    (cd "$installed" && find . -printf '%p %s %C@\n' | sort)
    run reg query "$uninstall_key\\Vantor"
    find "$start_menu" -printf '%p %C@\n' | sort
}

# Whether the quiet uninstall command and the installer end with status 2
# and change nothing while PROGRAM runs (with the process PID), and leave it
# running.
refused() {
    installation >"$work/installation-before"
    status=0
    for command in "$(key_value QuietUninstallString)" "\"$setup\" /S"; do
        command_status=0
        run_command_line "$command" || command_status=$?
        printf '%s: status %s\n' "$command" $command_status
        [ $command_status = 2 ] || status=1
        installation >"$work/installation-after"
        diff "$work/installation-before" "$work/installation-after" || status=1
    done
    kill -0 "$2" 2>/dev/null || { echo "$1 no longer runs"; status=1; }
    return $status
}

# Starts PROGRAM of the installation, tries refused on it once wine has
# mapped its file (from then on it runs, for Windows), and ends it.
refused_while_running() {
    rm -f "$work/stdin"
    mkfifo "$work/stdin"
    wine "$installed/$1" <"$work/stdin" >/dev/null 2>&1 &
    pid=$!
    exec 3>"$work/stdin" # vantor-eval.exe waits for a line
    result=0
    since=$(date +%s)
    until grep -q "/Vantor/$1\$" /proc/$pid/maps 2>/dev/null; do
        if [ $(($(date +%s) - since)) -ge 30 ]; then
            echo "$1 did not start within 30 s"
            result=1
            break
        fi
        sleep 0.2
    done
    [ $result = 1 ] || refused "$1" $pid || result=1
    wine taskkill /f /im "$1" >/dev/null 2>&1 || true
    exec 3>&-
    wait $pid || true
    return $result
}
for program in vantor.exe vantor-eval.exe; do
    check "while $program runs, the quiet uninstall and the installer end with 2 and change nothing" \
        refused_while_running $program
done

# Over the older version: its own file goes, one uninstall entry names the
# new version, one entry in the Start menu.
install_over_older() {
    wine "$setup" /S || return 1
    wineserver -w
    status=0
    installed_as_zipped || status=1
    run reg query "$uninstall_key" /s >"$work/keys"
    entries=$(grep -c "DisplayName *REG_SZ *Vantor$" "$work/keys" || true)
    [ "$entries" = 1 ] || { echo "$entries uninstall entries name Vantor"; status=1; }
    [ "$(key_value DisplayVersion)" = "$version" ] || { key_value DisplayVersion; status=1; }
    shortcuts=$(find "$start_menu" -iname '*vantor*')
    [ "$shortcuts" = "$start_menu/Vantor.lnk" ] || { printf 'Start menu: %s\n' "$shortcuts"; status=1; }
    return $status
}
check "installed over $older, $version leaves its own files, one uninstall entry and one shortcut" install_over_older

# The interactive command, as the Settings app runs it, here with /S: the
# uninstaller starts a copy of itself in the temporary folder and ends.
uninstall_interactive_command() {
    command="$(key_value UninstallString) /S"
    printf '%s\n' "$command"
    run_command_line "$command" || return 1
    wineserver -w
    snapshot >"$work/after"
    diff "$work/before" "$work/after"
}
check "the interactive uninstall command, silent, leaves nothing" uninstall_interactive_command

# --- A signed package -----------------------------------------------------

# The same build packaged again in a folder of its own, signed with a
# throwaway self-signed code-signing certificate whose key is in a PKCS#12
# file with a password, as a release is signed (windows/package/sign.sh);
# the signed installer installed, for the uninstaller it writes.
signed_package() {
    password="throwaway $$" signed=$work/signed
    openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj '/CN=Vantor test signing' \
        -addext extendedKeyUsage=codeSigning -keyout "$work/signing.key" -out "$work/signing.pem" 2>&1 &&
        VANTOR_SIGN_PASSWORD=$password openssl pkcs12 -export -inkey "$work/signing.key" -in "$work/signing.pem" \
            -out "$work/signing.p12" -passout env:VANTOR_SIGN_PASSWORD || return 1
    VANTOR_SIGN_PKCS12=$work/signing.p12 VANTOR_SIGN_PASSWORD=$password \
        cmake -DPACKAGE="$signed" -P "$build/windows-package.cmake" >"$work/signed.log" 2>&1 ||
        { tail -n 20 "$work/signed.log"; return 1; }
    wine "$signed/${setup##*/}" /S '/D=C:\vantor-signed' || return 1
    wineserver -w
    for file in "$signed/${folder##*/}/vantor.exe" "$signed/${folder##*/}/vantor-eval.exe" \
        "$signed/${folder##*/}/vantor-libm.dll" "$signed/${setup##*/}" "$WINEPREFIX/drive_c/vantor-signed/uninstall.exe"; do
        osslsigncode verify -CAfile "$work/signing.pem" -in "$file" >"$work/verify.log" 2>&1 ||
            { cat "$work/verify.log"; echo "${file##*/} does not verify"; return 1; }
        echo "${file##*/}: verified"
    done
}
check "signed with a PKCS#12 key, the programs, vantor-libm.dll, the installer and its uninstaller verify" \
    signed_package

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
