#!/usr/bin/env bash
# Sets everything up and starts Brumalo from its run folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/setup.sh"
cd "$here/../build"
exec ./brumalo "$@"
