# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Which PyQt "from gyrelle import Gyrelle" gives is decided when the program
# runs, which a type checker cannot see. It is told PyQt6's, or PyQt5's where
# PYQT5 is declared true (mypy --always-true=PYQT5). gyrelle.qt5 and
# gyrelle.qt6 are typed exactly.
from typing import List

__version__: str
__all__: List[str]
# Exists only here, for type checkers (mypy --always-true=PYQT5 or
# always_true = PYQT5 in its configuration); the package has no such attribute.
PYQT5: bool

if not PYQT5:
    from gyrelle.qt6 import Gyrelle as Gyrelle
else:
    from gyrelle.qt5 import Gyrelle as Gyrelle
