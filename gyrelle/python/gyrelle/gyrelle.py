# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The module that PyQt's uic derives from the header Designer records for the
spinner, gyrelle/gyrelle.h: loadUi and pyuic5/pyuic6 output import Gyrelle
from here."""
from gyrelle import Gyrelle

__all__ = ["Gyrelle"]
