# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Gyrelle for PyQt6, whatever else the program imports."""
from gyrelle import _binding_module

Gyrelle = _binding_module("PyQt6").Gyrelle

__all__ = ["Gyrelle"]
