# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

# Installed with the PyQt6 binding; it hides _default.py of the PyQt5 binding.
from gyrelle.qt6 import Gyrelle as Gyrelle
