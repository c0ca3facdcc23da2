#!/usr/bin/env bash
# Puts beside a Windows program exactly the DLLs it needs, as Qt's deployment
# tool would: every DLL that the program, its plug-ins or a DLL already taken
# imports, found in the given folders, and nothing else. A DLL that is part
# of Windows stays out; one that is neither found nor part of Windows fails
# the deployment, naming who imports it.
#
#   scripts/windows-deploy.sh <folder> <search folders, ":" between> <binary>...
#
# The binaries (vantor.exe, platforms/qwindows.dll...) are in <folder>
# already; the DLLs are copied into <folder>. Prints each DLL taken.
set -euo pipefail

folder=$1 search=$2
shift 2
objdump=${VANTOR_OBJDUMP:-x86_64-w64-mingw32-objdump}

# The DLLs of Windows 10 and 11 that Qt, MinGW's run-time and Vantor import,
# in lower case. The API sets (api-ms-win-...) are Windows' own as well.
declare -A system_dll=()
for dll in advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll \
    d3d11.dll d3d12.dll d3d9.dll dnsapi.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll \
    iphlpapi.dll kernel32.dll mpr.dll msvcrt.dll netapi32.dll ntdll.dll ole32.dll oleaut32.dll \
    rpcrt4.dll secur32.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll ucrtbase.dll \
    user32.dll userenv.dll uxtheme.dll version.dll winmm.dll winspool.drv ws2_32.dll wtsapi32.dll; do
    system_dll[$dll]=1
done

imports() {
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}

IFS=: read -ra folders <<<"$search"
find_dll() {
    local name=$1 dir hit
    for dir in "${folders[@]}"; do
        # Windows finds DLLs whatever the case of their names.
        hit=$(find "$dir" -maxdepth 1 -iname "$name" -print -quit 2>/dev/null)
        [ -z "$hit" ] || { echo "$hit"; return 0; }
    done
    return 1
}

queue=()
for binary in "$@"; do
    queue+=("$folder/$binary")
done
declare -A seen=()
missing=0
while [ ${#queue[@]} -gt 0 ]; do
    binary=${queue[0]}
    queue=("${queue[@]:1}")
    while IFS= read -r dll; do
        lower=${dll,,}
        [ -z "${seen[$lower]:-}" ] || continue
        seen[$lower]=1
        if [[ $lower == api-ms-win-* || $lower == ext-ms-win-* || -n ${system_dll[$lower]:-} ]]; then
            continue
        fi
        if source=$(find_dll "$dll"); then
            cp "$source" "$folder/$dll"
            echo "  $dll"
            queue+=("$folder/$dll")
        else
            echo "$(basename "$binary") imports $dll, which is neither part of Windows nor found in $search" >&2
            missing=1
        fi
    done < <(imports "$binary")
done
exit $missing
