#!/usr/bin/env bash
# The folders of src/ depend one way: app -> the windows (editor, reference, dialogs, wizards) ->
# common -> platform -> core. Only app includes the header of one of the fifteen windows (a
# window's own sources aside). Prints every include that breaks the rule; fails if there is one.
set -uo pipefail
src="${1:-$(dirname "$0")/../src}"
cd "$src" || exit 2

declare -A allowed=(
  [core]="core"
  [platform]="platform core"
  [common]="common platform core"
  [reference]="reference common platform core"
  [dialogs]="dialogs common platform core"
  [wizards]="wizards common platform core"
  [editor]="editor reference common platform core"
  [app]="app editor reference dialogs wizards common platform core"
)
windows="MainWindow GoToLineDialog ShortcutListDialog AboutBox SettingsDialog BriefingWizard OverviewWizard
UnitWizard CommandHelpWindow CrateWizard DescriptionWizard InitLineDialog FileAssociationsDialog StringtableWizard
StringtableRowDialog"
# The row dialog fills the grid of the wizard that owns it.
owners="wizards/StringtableRowDialog.cpp:StringtableWizard"

# The folder an include names: one of src/, else the core library's own.
layer_of() {
  local path="$1"
  if [ -f "$path" ]; then echo "${path%%/*}"; elif [ -f "core/$path" ]; then echo core; fi
}

status=0
while IFS= read -r file; do
  from="${file%%/*}"
  while IFS= read -r path; do
    to=$(layer_of "$path")
    [ -n "$to" ] || continue # a generated form header, or a library's
    if [[ " ${allowed[$from]} " != *" $to "* ]]; then
      echo "$file: $from may not include $path ($to)"; status=1; continue
    fi
    name=$(basename "$path" .h)
    stem=$(basename "$file"); stem="${stem%%.*}"
    if [ "$from" != app ] && [[ " $(echo $windows) " == *" $name "* ]] && [[ "$stem" != "$name"* ]] \
       && [[ " $owners " != *" $file:$name "* ]]; then
      echo "$file: only src/app knows the window $path"; status=1
    fi
  done < <(sed -n 's/^#include "\(.*\)".*/\1/p' "$file")
done < <(find core platform common reference dialogs wizards editor app -name '*.cpp' -o -name '*.h' | sort)
exit $status
