#!/usr/bin/env bash
# Checks that includes point down the layers only, and that a module's detail/ headers stay inside
# it. Prints every include that breaks a rule and exits 1 when there is one. With --arrows it also
# prints, for each module, the modules it includes and how often.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each module may include besides itself. A file belongs to the longest module that holds
# it; a platform module without a row of its own may include the platform only.
declare -A allowed=(
    [platform/runtime]=""
    [platform/foundation]="platform/runtime"
    [platform/graphics]="platform/foundation platform/runtime"
    [platform/ui/layers]="platform/graphics platform/foundation platform/runtime"
    # views, text, touches and the parts after them are UIKit: they use one another.
    [platform/ui]="platform/ui platform/graphics platform/foundation platform/runtime"
    [platform/notes]="platform/foundation platform/runtime"
    [platform/apps]=""
    [platform/springboard]="platform/ui platform/apps platform/notes platform/graphics platform/foundation platform/runtime"
    [platform/notesapp]="platform/ui platform/notes platform/graphics platform/foundation platform/runtime"
    [platform]="platform"
    [common]="platform"
    [tweak]="common platform"
    [prefs]="common platform"
    [resources]="common platform"
    [sim]="common prefs platform"
)
# detail/ headers used outside their module, on purpose: the compositor draws with the graphics
# module's coverage masks, blur and library handles.
shared_details=("platform/ui/layers/detail platform/graphics/detail")

# Sets `module` to the module holding `path`, empty when none does.
module_of() {
    module=""
    local candidate
    for candidate in "${!allowed[@]}"; do
        if [[ $1 == "$candidate"/* && ${#candidate} -gt ${#module} ]]; then module=$candidate; fi
    done
}

may_include_detail() {
    local file=$1 header=$2 owner=${2%%/detail/*}
    [[ $file == "$owner"/* ]] && return 0
    for pair in "${shared_details[@]}"; do
        read -r user shared <<<"$pair"
        [[ $file == "$user"/* && $header == "$shared"/* ]] && return 0
    done
    return 1
}

show_arrows=false
[[ ${1:-} == --arrows ]] && show_arrows=true
declare -A arrows=()
failures=0
while IFS= read -r line; do
    file=${line%%:*}
    header=${line#*:}
    module_of "$header"
    target=$module
    module_of "$file"
    [[ -z $module || -z $target ]] && continue
    [[ $target != "$module" ]] && arrows["$module -> $target"]=$((${arrows["$module -> $target"]:-0} + 1))
    ok=false
    if [[ $header == "$module"/* ]]; then
        ok=true
    else
        for prefix in ${allowed[$module]}; do
            [[ $header == "$prefix"/* ]] && ok=true
        done
    fi
    if [[ $header == */detail/* ]] && ! may_include_detail "$file" "$header"; then ok=false; fi
    if ! $ok; then
        echo "$file includes $header"
        failures=$((failures + 1))
    fi
done < <(grep -rE --include='*.h' --include='*.cpp' -o '^#include "[^"]+"' \
             platform common tweak prefs resources sim | sed -E 's/:#include "(.*)"$/:\1/')

if $show_arrows; then
    for arrow in "${!arrows[@]}"; do echo "$arrow (${arrows[$arrow]})"; done | sort
fi
if [[ $failures -gt 0 ]]; then
    echo "$failures include(s) point the wrong way" >&2
    exit 1
fi
