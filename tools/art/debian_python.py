"""Runs the calling script under Debian's own Python when PIL is missing.

The pictures are read with Debian's python3-pil, which only Debian's
interpreter sees; a python3 earlier on PATH (a pyenv or venv one) does not.
Import this module before PIL: it re-executes the script under
/usr/bin/python3 if that is what it takes.
"""

import os
import sys

DEBIAN_PYTHON = "/usr/bin/python3"

try:
    import PIL  # noqa: F401
except ImportError:
    if os.path.realpath(sys.executable) != os.path.realpath(DEBIAN_PYTHON) and os.path.exists(
        DEBIAN_PYTHON
    ):
        os.execv(DEBIAN_PYTHON, [DEBIAN_PYTHON] + sys.argv)
    raise
