#!/usr/bin/env bash
# Checks that every folder includes only the folders it may use: the module's layers from the
# bottom (platform) to the top (module), and the desk beside them, which never includes the
# module's code. Prints each include that breaks the rule; exits 1 when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

# Folder: the folders its files may include.
declare -A allowed=(
  [platform]="platform"
  [framework/services]="platform framework/services"
  [typelib]="platform typelib"
  [resources]="platform resources"
  [framework]="platform framework/services typelib resources framework"
  [fields]="platform framework/services typelib resources framework fields"
  [masks]="platform framework/services typelib resources framework fields masks"
  [module]="platform framework/services typelib resources framework fields masks module"
  [desk]="platform framework/services typelib desk"
)
# The deepest rule that names a file's folder is the one that holds.
order=(framework/services platform typelib resources framework fields masks module desk)

status=0
while IFS= read -r file; do
  layer=""
  for candidate in "${order[@]}"; do
    [[ $file == "$candidate"/* ]] && { layer=$candidate; break; }
  done
  [ -n "$layer" ] || continue
  while IFS= read -r included; do
    ok=0
    for permitted in ${allowed[$layer]}; do
      [[ $included == "$permitted"/* ]] && ok=1
    done
    # The framework uses the parts all dialogs share, never a mask's own template.
    [[ $layer == framework && $included == resources/dialogs/* ]] && ok=0
    if [ $ok -eq 0 ]; then
      echo "$file includes $included"
      status=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.h' '*.cpp')
exit $status
