# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Installed with the PyQt5 binding, for type checkers only: what they take
# "from gyrelle import Gyrelle" for. The PyQt6 binding installs _default.pyi,
# which every checker prefers to this file, as PyQt6's is the binding chosen
# first where both are installed.
from gyrelle.qt5 import Gyrelle as Gyrelle
