#!/usr/bin/env python3
"""The layer check on small trees: each include is allowed or refused as the layers say."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")

# Files every tree has, so that includes resolve.
BASE = {
    "common/Cp932.h": "",
    "common/qt/QtPrompter.h": "#include <QWidget>\n",
    "hamlog32/BandPlan.h": "",
    "contest/app/MasterSettings.h": "",
    "contest/document/QsoList.h": "",
    "contest/qso/QsoRetrieval.h": "",
    "contest/qso/CSearchDialog.h": "",
    "contest/qso/CMakeLists.txt": "target_sources(korvane_ui PRIVATE\n    CSearchDialog.cpp\n)\n",
    "setup/services/platform/Platform.h": "",
    "setup/services/platform/posix/PathMapper.h": "",
    "setup/install/SetupScript.h": "",
}

# (file, include line, the words of the complaint, or None when the include is allowed)
CASES = [
    ("contest/qso/QsoRetrieval.cpp", '#include "document/QsoList.h"', None),
    ("contest/document/QsoList.cpp", '#include "qso/QsoRetrieval.h"', "lies above"),
    ("contest/document/QsoList.cpp", '#include "QsoList.h"', "names no file"),
    ("contest/qso/QsoRetrieval.cpp", "#include <QString>", "Qt-free library"),
    ("contest/qso/CSearchDialog.cpp", "#include <QDialog>", None),
    ("contest/qso/QsoRetrieval.cpp", '#include "qso/CSearchDialog.h"', "is a Qt file"),
    ("contest/app/MasterSettings.cpp", '#include "common/qt/QtPrompter.h"', "is a Qt file"),
    ("contest/qso/CSearchDialog.cpp", '#include "common/qt/QtPrompter.h"', None),
    ("common/Cp932.cpp", '#include "common/qt/QtPrompter.h"', "is a Qt file"),
    ("common/Cp932.cpp", '#include "document/QsoList.h"', "which common never includes"),
    ("contest/app/MasterSettings.cpp", '#include "hamlog32/BandPlan.h"', "belongs to hamlog32"),
    ("setup/install/SetupScript.cpp", '#include "app/MasterSettings.h"', "belongs to contest"),
    ("setup/services/Files.cpp", '#include "install/SetupScript.h"', "lies above"),
    ("setup/install/SetupScript.cpp", '#include "services/platform/posix/PathMapper.h"',
     "private to the emulated platform"),
    ("setup/services/platform/PlatformFactory.cpp",
     '#include "services/platform/posix/PathMapper.h"', None),
    ("tests/setup/PathMapperTest.cpp", '#include "services/platform/posix/PathMapper.h"', None),
    ("tests/contest/QsoListTest.cpp", '#include "document/QsoList.h"', None),
]


class LayerCheck(unittest.TestCase):
    def test_each_include_is_judged_by_its_layers(self):
        for path, line, complaint in CASES:
            with self.subTest(path=path, line=line), tempfile.TemporaryDirectory() as root:
                for name, text in {**BASE, path: f"// a file\n{line}\n"}.items():
                    os.makedirs(os.path.dirname(os.path.join(root, name)), exist_ok=True)
                    with open(os.path.join(root, name), "w", encoding="utf-8") as f:
                        f.write(text)
                run = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
                if complaint is None:
                    self.assertEqual(run.returncode, 0, run.stdout)
                    self.assertEqual(run.stdout, "")
                else:
                    self.assertEqual(run.returncode, 1)
                    self.assertEqual(run.stdout.count("\n"), 1, run.stdout)
                    self.assertTrue(run.stdout.startswith(f"{path}:2: "), run.stdout)
                    self.assertIn(complaint, run.stdout)


if __name__ == "__main__":
    unittest.main()
