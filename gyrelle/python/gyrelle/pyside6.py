# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Gyrelle for PySide6, whatever else the program imports."""
from gyrelle import _binding_module

Gyrelle = _binding_module("PySide6").Gyrelle

__all__ = ["Gyrelle"]
