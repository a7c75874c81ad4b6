# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""How pip builds the binding: pip install --no-build-isolation gyrelle/python.

For the PyQt of the Qt whose qmake it is given (pip -C--qmake=FILE; by default
the qmake on PATH), against the gyrelle library of that Qt that pkg-config
finds (libgyrelle.so.1 for Qt 5, libgyrelle-qt6.so.1 for Qt 6). The wheel
holds the whole package, with that one binding.
"""
import glob
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tomllib
from pathlib import Path

from pyqtbuild import PyQtBindings, PyQtProject, QmakeBuilder
from sipbuild import Installable, UserException

SOURCE = Path(__file__).resolve().parent


def pkg_config(library, option):
    try:
        result = subprocess.run(["pkg-config", option, library], capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError) as error:
        raise UserException(f"pkg-config finds no {library}: install gyrelle for this Qt (Debian lib{library}-dev, "
                            f"or a prefix of yours on PKG_CONFIG_PATH)", detail=str(error)) from error
    return result.stdout.split()


def configured(template, values):
    """TEMPLATE's text with each @NAME@ replaced, as CMake's configure_file() does."""
    text = Path(template).read_text()
    for name, value in values.items():
        text = text.replace(f"@{name}@", value)
    # A name CMake fills in but this build does not would ship as "@NAME@".
    if unfilled := re.search(r"@\w+@", text):
        raise UserException(f"{template}: {unfilled[0]} has no value in the pip build")
    return text


class GyrelleBuilder(QmakeBuilder):
    def build_project(self, target_dir, *, wheel_tag=None):
        super().build_project(target_dir, wheel_tag=wheel_tag)
        self.project.add_docstrings_to_hints()


class GyrelleProject(PyQtProject):
    def apply_nonuser_defaults(self, tool):
        self.builder_factory = GyrelleBuilder
        super().apply_nonuser_defaults(tool)

    def apply_user_defaults(self, tool):
        super().apply_user_defaults(tool)  # asks qmake for its Qt
        self.major = str(self.builder.qt_version >> 16)
        self.module = f"_qt{self.major}"
        pyqt = importlib.util.find_spec(f"PyQt{self.major}")
        if pyqt is None or not os.path.isdir(os.path.join(pyqt.submodule_search_locations[0], "bindings")):
            raise UserException(f"PyQt{self.major} or its .sip files are missing: install the Debian packages "
                                f"python3-pyqt{self.major} and pyqt{self.major}-dev, and build in a venv made "
                                "with --system-site-packages, with pip install --no-build-isolation")
        bindings_dir = os.path.join(pyqt.submodule_search_locations[0], "bindings")
        self.sip_include_dirs.append(bindings_dir)
        # The sip module ABI this PyQt was built for: sip-build's default, the
        # newest, does not load with an older sip module.
        with open(os.path.join(bindings_dir, "QtCore", "QtCore.toml"), "rb") as qtcore:
            abi_version = tomllib.load(qtcore)["sip-abi-version"]
        # Later SIP (6.9 on) holds it parsed, as (major, minor).
        parsed = isinstance(self.abi_version, tuple)
        self.abi_version = tuple(map(int, abi_version.split("."))) if parsed else abi_version
        self.library = "gyrelle" if self.major == "5" else "gyrelle-qt6"
        library_dirs = [flag[2:] for flag in pkg_config(self.library, "--libs-only-L")]
        bindings = PyQtBindings(
            self, self.module, qmake_QT=["widgets"], protected_is_public=True, pep484_pyi=True,
            include_dirs=[flag[2:] for flag in pkg_config(self.library, "--cflags-only-I")],
            library_dirs=library_dirs, libraries=[flag[2:] for flag in pkg_config(self.library, "--libs-only-l")],
            # A prefix of one's own is not on the loader's path (pkg-config
            # names no folder for the system's own).
            extra_link_args=[f"-Wl,-rpath,{folder}" for folder in library_dirs])
        bindings.apply_nonuser_defaults(tool)
        bindings.apply_user_defaults(tool)
        self.bindings.clear()
        self.bindings[self.module] = bindings

    def update(self, tool):
        # The same templates that CMake configures, into the build folder.
        values = {"module": self.module, "GYRELLE_QT_MAJOR_VERSION": self.major, "pyqt": f"PyQt{self.major}",
                  "library": f"lib{self.library}.so.{self.version_str.split('.')[0]}",
                  "PROJECT_VERSION": self.version_str}
        self.sip_files_dir = os.path.join(self.build_dir, "sip")
        sip_file = Path(self.sip_files_dir, self.module, f"{self.module}mod.sip")
        sip_file.parent.mkdir(parents=True)
        sip_file.write_text(configured(SOURCE / "gyrelle.sip.in", values))

        self.package_dir = Path(self.build_dir, "package", "gyrelle")
        self.package_dir.mkdir(parents=True)
        files = {"__init__.py": configured(SOURCE / "gyrelle" / "__init__.py", values),
                 f"qt{self.major}.py": configured(SOURCE / "gyrelle" / "qt.py.in", values),
                 f"qt{self.major}.pyi": configured(SOURCE / "gyrelle" / "qt.pyi.in", values)}
        for name in ("gyrelle.py", "__init__.pyi", "py.typed", "_default.py" if self.major == "5" else "_default.pyi"):
            files[name] = (SOURCE / "gyrelle" / name).read_text()
        package = Installable("package", target_subdir="gyrelle")
        for name, text in files.items():
            (self.package_dir / name).write_text(text)
            package.files.append(str(self.package_dir / name))
        self.installables.append(package)
        super().update(tool)

    def get_requires_dists(self):
        return super().get_requires_dists() + [f"PyQt{self.major}"]

    def add_docstrings_to_hints(self):
        """The compiled module's docstrings into its type hints, as CMake does."""
        hints = os.path.join(self.build_dir, self.module, f"{self.module}.pyi")
        built = glob.glob(os.path.join(self.build_dir, self.module, f"{self.module}*.so"))
        if not built:  # not compiled (sip-build --no-make)
            return
        shutil.copy(built[0], self.package_dir)
        env = dict(os.environ, PYTHONPATH=str(self.package_dir.parent))
        subprocess.run([sys.executable, "-P", str(SOURCE / "stub_docstrings.py"), f"gyrelle.{self.module}",
                        hints, hints], env=env, check=True)
        os.remove(self.package_dir / os.path.basename(built[0]))
