#!/usr/bin/env python3
"""resources/translations/glossary/check on hand-made translations and glossaries, and on the product's own."""

import ast
import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.environ.get("IVO_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "../.."))
CHECK = os.path.join(SOURCE_DIR, "resources/translations/glossary/check")
GLOSSARY = {
    "ger": "# notes are skipped\nsettings\teinstellung\nremote|remotes\tfernbedienung\n=No\tNein\n"
           "update\taktualisier\n",
    "grk": "enable|enabled\tενεργοποι\n",
    "pol": "remote|remotes\tpilot|piloc\n",
}
MISS = re.compile(r"^  (\w+)  Page: (.*)$")  # a report line: "  ger  Page: 'Settings'"

# (name, {code: [(source, translation, type)]}, misses reported as "code source")
CASES = [
    ("stems carry inflections and compounds; case and accents are ignored",
     {"ger": [("Go to Settings", "Zu den Einstellungen", ""), ("Security Update", "Sicherheitsaktualisierung", ""),
              ("Learn Remote", "FERNBEDIENUNG anlernen", "")],
      "grk": [("Enable", "Ενεργοποίηση", ""), ("please enable it", "ενεργοποιήστε την", "")],
      "pol": [("the other remote", "na drugim pilocie", ""), ("Remote", "Pilot", "")]},
     []),
    ("a missing word is reported, also in plurals and whole words only",
     {"ger": [("Settings", "Optionen", ""), ("Check your remotes.", "Prüfen Sie die Geräte.", ""),
              ("Remoteness", "Ferne", "")]},
     ["ger Settings", "ger Check your remotes."]),
    ("an exact term only checks the text that is just the term",
     {"ger": [("No", "Nee", ""), ("No signal received.", "Kein Signal empfangen.", "")]},
     ["ger No"]),
    ("unfinished and vanished texts and languages without glossary are left alone",
     {"ger": [("Settings", "Optionen", "unfinished"), ("Settings menu", "Optionen", "vanished")],
      "ita": [("Settings", "Opzioni", "")]},
     []),
]


def write(folder, files):
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(text)


def run(files, glossaries):
    """The check on .ts files of context "Page" from {code: rows}, with the glossaries {code: text}."""
    with tempfile.TemporaryDirectory() as tsdir, tempfile.TemporaryDirectory() as gdir:
        write(gdir, {code + ".tsv": text for code, text in glossaries.items()})
        write(tsdir, {code + ".ts": '<?xml version="1.0" encoding="utf-8"?><TS version="2.1"><context><name>Page</name>'
                      + "".join(f"<message><source>{s}</source><translation{k and f' type={k!r}'}>{t}</translation>"
                                "</message>" for s, t, k in rows) + "</context></TS>"
                      for code, rows in files.items()})
        return subprocess.run([sys.executable, CHECK, "--glossaries", gdir, tsdir],
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


class GlossaryCheck(unittest.TestCase):
    def test_cases(self):
        for name, files, misses in CASES:
            with self.subTest(name):
                result = run(files, GLOSSARY)
                reported = [f"{m[1]} {ast.literal_eval(m[2])}" for m in map(MISS.match, result.stdout.splitlines())
                            if m]
                self.assertEqual(reported, misses, result.stdout)
                self.assertEqual(result.returncode, 1 if misses else 0, result.stdout)

    def test_broken_glossary_line(self):
        self.assertEqual(run({"ger": [("Settings", "Einstellungen", "")]},
                             {"ger": "settings without a translation\n"}).returncode, 2)

    def test_product_translations(self):
        result = subprocess.run([sys.executable, CHECK, os.path.join(SOURCE_DIR, "resources/translations")],
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
