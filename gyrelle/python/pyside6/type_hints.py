# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Writes the PySide6 binding's type hints as PySide writes its own, with the
docstrings of the compiled module, which must be importable.

Usage: type_hints.py OUTPUT
"""
import logging
import sys
import tempfile
import types
from pathlib import Path

from PySide6.support.signature.lib.pyi_generator import generate_pyi

sys.path.append(str(Path(__file__).resolve().parents[1]))
from stub_docstrings import with_docstrings  # noqa: E402

MODULE = "gyrelle._pyside6"
# The licence of the hints is this file's own: its first two lines.
HEADER = "".join(Path(__file__).read_text().splitlines(keepends=True)[:2])

if __name__ == "__main__":
    options = types.SimpleNamespace(_pyside_call=True, logger=logging.getLogger(), is_ci=False, quiet=True,
                                    feature=[])
    with tempfile.TemporaryDirectory() as folder:
        generate_pyi(MODULE, folder, options)
        hints = Path(folder, "_pyside6.pyi").read_text()
    # The generator's own licence lines are those of its template, not of this file.
    hints = HEADER + hints[hints.index("from __future__"):]
    module = sys.modules[MODULE]
    Path(sys.argv[1]).write_text(with_docstrings(hints, module))
