#!/usr/bin/python3
"""The Gyrelle spinner from Python: a start/stop button and a delay control.
Runs with PyQt6 where it is installed, otherwise PyQt5; --qt5 asks for PyQt5."""
import sys

if "--qt5" in sys.argv:
    from PyQt5 import QtWidgets
else:
    try:
        from PyQt6 import QtWidgets
    except ImportError:
        from PyQt5 import QtWidgets

from gyrelle import Gyrelle  # the binding for the PyQt imported above


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
