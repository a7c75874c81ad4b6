# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

from typing import List

# The class of the installed binding, PyQt6's where both are: see _default.pyi.
from gyrelle._default import Gyrelle as Gyrelle

__version__: str
__all__: List[str]
