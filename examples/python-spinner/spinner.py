#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""The Gyrelle spinner from Python: a start/stop button and a delay control.
Runs with the Qt binding whose gyrelle binding is installed (PyQt6's first,
then PyQt5's, then PySide6's); --qt5, --qt6 or --pyside6 asks for one."""
import importlib
import os
import sys

for option, api in (("--qt5", "pyqt5"), ("--qt6", "pyqt6"), ("--pyside6", "pyside6")):
    if option in sys.argv:
        os.environ["QT_API"] = api

from gyrelle import Gyrelle  # noqa: E402  no Qt binding imported yet: QT_API's, else the installed one

QtWidgets = importlib.import_module(Gyrelle.__base__.__module__)  # that binding's QtWidgets


def main():
    app = QtWidgets.QApplication(sys.argv)
    window = QtWidgets.QWidget(windowTitle="Gyrelle from Python")
    spinner = Gyrelle(window)
    spinner.setFixedSize(48, 48)
    spinner.setAccessibleName("Example activity")

    toggle = QtWidgets.QPushButton("Stop")
    toggle.clicked.connect(lambda: (spinner.stopAnimation() if spinner.isAnimated() else spinner.startAnimation(),
                                    toggle.setText("Stop" if spinner.isAnimated() else "Start")))
    delay = QtWidgets.QSpinBox(suffix=" ms", minimum=1, maximum=1000, value=spinner.animationDelay())
    delay.setToolTip("Time between two 30-degree steps")
    delay.valueChanged.connect(spinner.setAnimationDelay)

    layout = QtWidgets.QFormLayout(window)
    layout.addRow(spinner)
    layout.addRow(toggle)
    layout.addRow("Delay", delay)
    spinner.startAnimation()
    window.show()
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
