#!/usr/bin/env python3
"""resources/translations/check on a program with four texts (one with a disambiguation, one with plural forms) and
translation files in every state; resources/translations/glossary/check on hand-made translations and glossaries, and
on the product's own. Run one with its class name as the argument."""

import ast
import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.environ.get("IVO_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "../.."))
CHECK = os.path.join(SOURCE_DIR, "resources/translations/check")
GLOSSARY_CHECK = os.path.join(SOURCE_DIR, "resources/translations/glossary/check")
PROGRAM = r"""
#include <QCoreApplication>
void texts(int n)
{
    QCoreApplication::translate("Page", "Alpha");
    QCoreApplication::translate("Page", "Beta");
    QCoreApplication::translate("Page", "Open", "button");
    QCoreApplication::translate("Page", "%n file(s)", nullptr, n);
}
"""
# Supported: eng (the texts' own), fre, ger, ita. The locale table below it also knows "fra", which is not offered.
TABLE = r"""
const QList<Language_s>& table()
{
    static const QList<Language_s> languages {{QStringLiteral("eng"), QStringLiteral("English")},
        {QStringLiteral("fre"), QStringLiteral("Francais")}, {QStringLiteral("ger"), QStringLiteral("Deutsch")},
        {QStringLiteral("ita"), QStringLiteral("Italiano")}};
    return languages;
}
QString localeOf(const QString& code)
{
    static const QList<QPair<QString, QString>> locales {{QStringLiteral("fra"), QStringLiteral("fr_FR.UTF-8")}};
}
"""
DONE = '<translation>x</translation>'
PLURAL_DONE = '<translation><numerusform>1</numerusform><numerusform>n</numerusform></translation>'
COMPLETE = [("Alpha", "", DONE), ("Beta", "", DONE), ("Open", "button", DONE), ("%n file(s)", "", PLURAL_DONE)]

# (name, files, expected report lines, exit status with --strict)
CASES = [
    ("every language complete, an old text left over",
     {"fre": COMPLETE, "ger": COMPLETE + [("Gone", "", DONE)], "ita": COMPLETE},
     ["  fre  4/4 done", "  ger  4/4 done; 1 unused", "  ita  4/4 done"], 0),
    ("unfinished: marked, empty, one plural form empty",
     {"fre": [("Alpha", "", '<translation type="unfinished">x</translation>'), ("Beta", "", '<translation></translation>'),
              ("Open", "button", DONE),
              ("%n file(s)", "", '<translation><numerusform>1</numerusform><numerusform></numerusform></translation>')],
      "ger": COMPLETE, "ita": COMPLETE},
     ["  fre  1/4 done: 0 missing, 3 unfinished", "  ger  4/4 done"], 1),
    ("missing: absent, vanished, or under another disambiguation; no file at all",
     {"fre": [("Alpha", "", DONE), ("Beta", "", '<translation type="vanished">x</translation>'),
              ("Open", "", DONE), ("%n file(s)", "", PLURAL_DONE)],
      "ger": COMPLETE},
     ["  fre  2/4 done: 2 missing, 0 unfinished; 1 unused", "  ita  no translation file: 4 missing"], 1),
    ("a file for a code that is not offered",
     {"fre": COMPLETE, "ger": COMPLETE, "ita": COMPLETE, "fra": COMPLETE},
     ["  fra.ts  not a supported language: never loaded"], 0),
]

GLOSSARY = {
    "ger": "# notes are skipped\nsettings\teinstellung\nremote|remotes\tfernbedienung\n=No\tNein\n"
           "update\taktualisier\n",
    "grk": "enable|enabled\tενεργοποι\n",
    "pol": "remote|remotes\tpilot|piloc\n",
}
MISS = re.compile(r"^  (\w+)  Page: (.*)$")  # a report line: "  ger  Page: 'Settings'"

# (name, {code: [(source, translation, type)]}, misses reported as "code source")
GLOSSARY_CASES = [
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
        os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(text)


def run(*args):
    return subprocess.run([sys.executable, *args], stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def ts(messages):
    """A .ts file of context "Page" with (source, disambiguation, translation element) rows; a string as it is."""
    if isinstance(messages, str):
        return messages
    numerus = ' numerus="yes"'
    rows = "".join(f'<message{numerus if "numerusform" in t else ""}><source>{s}</source>'
                   f'{f"<comment>{c}</comment>" if c else ""}{t}</message>' for s, c, t in messages)
    return f'<?xml version="1.0" encoding="utf-8"?><TS version="2.1"><context><name>Page</name>{rows}</context></TS>'


def run_check(files, *options):
    with tempfile.TemporaryDirectory() as top:
        write(top, {"src/texts.cpp": PROGRAM, "src/table.cpp": TABLE}
              | {f"ts/{code}.ts": ts(messages) for code, messages in files.items()})
        result = run(CHECK, "--lupdate", os.environ.get("LUPDATE", "lupdate"), "--sources", os.path.join(top, "src"),
                     "--languages", os.path.join(top, "src/table.cpp"), *options, os.path.join(top, "ts"))
        return result.returncode, result.stdout.splitlines()


def run_glossary(files, glossaries):
    """The glossary check on .ts files from {code: [(source, translation, type)]}, with the glossaries {code: text}."""
    with tempfile.TemporaryDirectory() as tsdir, tempfile.TemporaryDirectory() as gdir:
        write(gdir, {code + ".tsv": text for code, text in glossaries.items()})
        write(tsdir, {code + ".ts": ts([(s, "", f"<translation{k and f' type={k!r}'}>{t}</translation>")
                                        for s, t, k in rows]) for code, rows in files.items()})
        return run(GLOSSARY_CHECK, "--glossaries", gdir, tsdir)


class TranslationCheck(unittest.TestCase):
    def test_report(self):
        for name, files, lines, strict_status in CASES:
            with self.subTest(name):
                status, out = run_check(files)
                self.assertEqual(status, 0, out)
                self.assertIn("translations: 4 texts in the program, 3 languages", out)
                for line in lines:
                    self.assertIn(line, out)
                self.assertEqual(run_check(files, "--strict")[0], strict_status)

    def test_list_names_each_text(self):
        _, out = run_check(CASES[2][1], "--list")
        self.assertIn("      missing     Page: 'Beta'", out)
        self.assertIn("      missing     Page: 'Open' (button)", out)
        self.assertFalse(any("Alpha" in line for line in out), out)

    def test_unreadable_input_is_an_error_not_a_report(self):
        self.assertEqual(run_check({"fre": COMPLETE, "ger": "<TS><context>"})[0], 2)


class GlossaryCheck(unittest.TestCase):
    def test_cases(self):
        for name, files, misses in GLOSSARY_CASES:
            with self.subTest(name):
                result = run_glossary(files, GLOSSARY)
                reported = [f"{m[1]} {ast.literal_eval(m[2])}" for m in map(MISS.match, result.stdout.splitlines())
                            if m]
                self.assertEqual(reported, misses, result.stdout)
                self.assertEqual(result.returncode, 1 if misses else 0, result.stdout)

    def test_broken_glossary_line(self):
        self.assertEqual(run_glossary({"ger": [("Settings", "Einstellungen", "")]},
                                      {"ger": "settings without a translation\n"}).returncode, 2)

    def test_product_translations(self):
        result = run(GLOSSARY_CHECK, os.path.join(SOURCE_DIR, "resources/translations"))
        self.assertEqual(result.returncode, 0, result.stdout)


if __name__ == "__main__":
    unittest.main()
