#!/usr/bin/env bash
# Checks the include lines of every source folder against the layers
#   model < numeric < engine < document < {view, dialogs} < app
# and i18n (the Qt side of the core's translations: numeric < i18n < app).
# A file may include headers of its own folder and of the folders below it;
# view and dialogs do not include each other; model, numeric and engine
# include no Qt header. Prints every offending line and fails when there is one.
#   tests/layers.sh [src folder]      (default: the src/ beside tests/)
set -uo pipefail
src=${1:-"$(dirname "$0")/../src"}

declare -A allowed=(
    [model]="model"
    [numeric]="model numeric"
    [engine]="model numeric engine"
    [document]="model numeric engine document"
    [view]="model numeric engine document view"
    [dialogs]="model numeric engine document dialogs"
    [app]="model numeric engine document view dialogs app i18n"
    [i18n]="model numeric i18n"
)
core="model numeric engine"

status=0
for folder in "${!allowed[@]}"; do
    [ -d "$src/$folder" ] || { echo "missing folder $src/$folder"; status=1; continue; }
    for file in "$src/$folder"/*.h "$src/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r line; do
            target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$line")
            case "$target" in
            ../* | */../*)
                echo "$file: relative include past the folder: $line"
                status=1
                continue
                ;;
            */*) layer=${target%%/*} ;;
            *) continue ;; # a header beside the file
            esac
            if ! grep -qw -- "$layer" <<<"${allowed[$folder]}"; then
                echo "$file: $folder includes the layer $layer: $line"
                status=1
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
        if grep -qw -- "$folder" <<<"$core"; then
            while IFS= read -r line; do
                echo "$file: the core folder $folder includes Qt: $line"
                status=1
            done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file")
        fi
    done
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
