# Sourced by the scripts: one Wine environment for a run, quiet and without installer dialogs.
# ZORAVEL_WINEPREFIX picks the prefix; tests make a fresh one per run.
export WINEPREFIX="${ZORAVEL_WINEPREFIX:-${TMPDIR:-/tmp}/zoravel-wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
