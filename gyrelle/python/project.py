# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""How SIP builds the binding, from pyproject.toml, for pip and for CMake.

pip install --no-build-isolation gyrelle/python builds it for the PyQt of the
Qt whose qmake it is given (pip -C--qmake=FILE; by default the qmake on PATH),
against the gyrelle library of that Qt that pkg-config finds (libgyrelle.so.1
for Qt 5, libgyrelle-qt6.so.1 for Qt 6). The wheel holds the whole package,
with that one binding. CMake runs sip-build --no-compile here: the same C++
and type hints, which it compiles and installs itself.
"""
import glob
import importlib.util
import os
import re
import string
import subprocess
import sys
import tomllib
from pathlib import Path

from pyqtbuild import PyQtBindings, PyQtProject, QmakeBuilder
from sipbuild import Installable, UserException

SOURCE = Path(__file__).resolve().parent
with open(SOURCE / "pyproject.toml", "rb") as manifest_file:
    MANIFEST = tomllib.load(manifest_file)


def project_version():
    """The version in project() of the top-level CMakeLists.txt."""
    cmake_lists = SOURCE.parents[1] / "CMakeLists.txt"
    found = re.search(r"^project\(\s*[\w-]+\s+VERSION\s+([0-9][0-9.]*)", cmake_lists.read_text(), re.MULTILINE)
    if not found:
        raise UserException(f"{cmake_lists} names no project(... VERSION ...)")
    return found[1]


def pkg_config(library, option):
    try:
        result = subprocess.run(["pkg-config", option, library], capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError) as error:
        raise UserException(f"pkg-config finds no {library}: install gyrelle for this Qt (Debian lib{library}-dev, "
                            f"or a prefix of yours on PKG_CONFIG_PATH)", detail=str(error)) from error
    return result.stdout.split()


class GyrelleBuilder(QmakeBuilder):
    def build_project(self, target_dir, *, wheel_tag=None):
        super().build_project(target_dir, wheel_tag=wheel_tag)
        self.project.add_docstrings_to_hints()


class GyrelleProject(PyQtProject):
    def setup(self, pyproject, tool, tool_description):
        # The metadata read here, where SIP 6.10 would warn that its own table
        # is deprecated; pip's wheel gets it from sip-distinfo, which reads it anew.
        pyproject.get_metadata = lambda: {"metadata-version": "2.1", **MANIFEST["tool"]["sip"]["metadata"]}
        super().setup(pyproject, tool, tool_description)

    def get_metadata_overrides(self):
        return {"version": project_version()}

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
        options = {name.replace("-", "_"): value for name, value in MANIFEST["tool"]["gyrelle"]["bindings"].items()}
        bindings = PyQtBindings(self, self.module, qmake_QT=["widgets"], **options, **self.library_options())
        bindings.apply_nonuser_defaults(tool)
        bindings.apply_user_defaults(tool)
        self.bindings.clear()
        self.bindings[self.module] = bindings

    def library_options(self):
        """Where the compiler and linker find the library; CMake, which
        compiles the module itself, links it to its own target."""
        if not self.compile:
            return {}
        library_dirs = [flag[2:] for flag in pkg_config(self.library, "--libs-only-L")]
        return {"include_dirs": [flag[2:] for flag in pkg_config(self.library, "--cflags-only-I")],
                "library_dirs": library_dirs,
                "libraries": [flag[2:] for flag in pkg_config(self.library, "--libs-only-l")],
                # A prefix of one's own is not on the loader's path (pkg-config
                # names no folder for the system's own).
                "extra_link_args": [f"-Wl,-rpath,{folder}" for folder in library_dirs]}

    def update(self, tool):
        values = {"module": self.module, "major": self.major, "pyqt": f"PyQt{self.major}",
                  "library": f"lib{self.library}.so.{self.version_str.split('.')[0]}"}
        self.sip_files_dir = os.path.join(self.build_dir, "sip")
        sip_file = Path(self.sip_files_dir, self.module, f"{self.module}mod.sip")
        sip_file.parent.mkdir(parents=True)
        sip_file.write_text(string.Template((SOURCE / "gyrelle.sip.in").read_text()).substitute(values))

        files = MANIFEST["tool"]["gyrelle"]["files"]
        package = Installable("package", target_subdir="gyrelle")
        package.files += [str(SOURCE / "gyrelle" / name) for name in files["shared"] + files[f"qt{self.major}"]]
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
        subprocess.run([sys.executable, "-P", str(SOURCE / "stub_docstrings.py"), f"gyrelle.{self.module}",
                        built[0], hints, hints], check=True)
