# Sourced by the scripts: one Wine environment for a run, quiet and without installer dialogs.
# ZORAVEL_WINEPREFIX picks the prefix; tests make a fresh one per run. winedbg is off: a crash ends the
# program with its exception code instead of starting a debugger that waits for ever.
export WINEPREFIX="${ZORAVEL_WINEPREFIX:-${TMPDIR:-/tmp}/zoravel-wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEARCH=win64
