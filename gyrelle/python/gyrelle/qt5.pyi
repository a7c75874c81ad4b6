# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

from gyrelle._qt5 import Gyrelle as Gyrelle

__all__ = ["Gyrelle"]
