# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Gyrelle for PyQt5, whatever else the program imports."""
from gyrelle import _binding_module

Gyrelle = _binding_module("PyQt5").Gyrelle

__all__ = ["Gyrelle"]
