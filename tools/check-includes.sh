#!/bin/sh
# Fails when a source file includes from a folder above its own, so the
# folders keep depending one way:
#   engine  <-  files  <-  host  <-  view2d, view3d  <-  game  <-  dialogs, shell
# Usage: tools/check-includes.sh [SOURCE_ROOT]
root=${1:-$(dirname "$0")/..}
status=0

allowed() {
    case $1 in
        engine) echo "engine" ;;
        files) echo "engine files" ;;
        host) echo "engine files host" ;;
        view2d|view3d) echo "engine files host view2d view3d" ;;
        game) echo "engine files host view2d view3d game" ;;
        dialogs) echo "engine files host view2d view3d game dialogs resources" ;;
        shell) echo "engine files host view2d view3d game dialogs resources shell" ;;
    esac
}

for folder in engine files host view2d view3d game dialogs shell; do
    [ -d "$root/$folder" ] || continue
    permitted=" $(allowed $folder) "
    for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
        [ -f "$file" ] || continue
        for target in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^/"]*\)\/.*"/\1/p' "$file"); do
            case $permitted in
                *" $target "*) ;;
                *) echo "$folder/$(basename "$file") includes from $target/"; status=1 ;;
            esac
        done
    done
done
exit $status
