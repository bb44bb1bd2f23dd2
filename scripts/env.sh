# Sourced by ./play and ./check: a private runtime folder for Qt, so that
# nothing depends on the caller's session.
if [[ -z "${XDG_RUNTIME_DIR:-}" || ! -d "${XDG_RUNTIME_DIR}" ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/daz-runtime.XXXXXX")
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
