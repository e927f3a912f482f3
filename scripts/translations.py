#!/usr/bin/env python3
"""Keeps the translation sources (resources/translations/SCLERON_<LANG>.ts) in step with the
built-in English texts (resources/strings/*.inc).

  translations.py sync             add new texts (empty, unfinished), drop texts that are gone,
                                   mark a translation unfinished when its English text changed
  translations.py missing LANG     print the unfinished texts of LANG as JSON {id: english}
  translations.py apply LANG FILE  take translations from a JSON file {id: translation}

Translation ids are those of the program's string table: "ids.<number>", "menu.<command>" and
"popup.<name>". LANG is the file's code: DEU FRA ITA ESP PTB RUS CHS.
"""
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
STRINGS = ROOT / "resources" / "strings"
TRANSLATIONS = ROOT / "resources" / "translations"
LANGUAGES = {"DEU": "de_DE", "FRA": "fr_FR", "ITA": "it_IT", "ESP": "es_ES", "PTB": "pt_BR",
             "RUS": "ru_RU", "CHS": "zh_CN"}

ENTRY = re.compile(r'\{\s*(\d+|"[^"]*")\s*,\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)\}')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def c_unescape(text):
    out, i = [], 0
    simple = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "'": "'", "?": "?"}
    while i < len(text):
        c = text[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        nxt = text[i + 1]
        if nxt in simple:
            out.append(simple[nxt])
            i += 2
        elif nxt == "u":
            out.append(chr(int(text[i + 2:i + 6], 16)))
            i += 6
        elif nxt == "x":
            m = re.match(r"[0-9a-fA-F]+", text[i + 2:])
            out.append(chr(int(m.group(0), 16)))
            i += 2 + len(m.group(0))
        else:
            raise ValueError("unknown escape \\" + nxt)
    # The tables hold UTF-8 bytes; \x escapes would be bytes, none are used.
    return "".join(out)


def english_texts():
    """(id, text) of every built-in text, in the order of the string table."""
    result = []
    for inc in sorted(STRINGS.glob("*.inc")):
        prefix = {"menu.inc": "menu.", "popup.inc": "popup."}.get(inc.name, "ids.")
        source = "\n".join(line for line in inc.read_text(encoding="utf-8").splitlines()
                           if not line.lstrip().startswith("//"))
        for m in ENTRY.finditer(source):
            key = m.group(1).strip('"')
            text = "".join(c_unescape(s) for s in LITERAL.findall(m.group(2)))
            result.append((prefix + key, text))
    return result


def ts_path(lang):
    return TRANSLATIONS / f"SCLERON_{lang}.ts"


def read_ts(lang):
    path = ts_path(lang)
    if not path.exists():
        return {}
    entries = {}
    for message in ET.parse(path).getroot().iter("message"):
        tr = message.find("translation")
        entries[message.get("id")] = (
            message.findtext("source") or "",
            (tr.text or "") if tr is not None else "",
            tr is not None and tr.get("type") == "unfinished",
        )
    return entries


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("\r", "&#13;"))


def write_ts(lang, english, entries):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{LANGUAGES[lang]}">', "<context>", "    <name></name>"]
    for key, text in english:
        source, translation, unfinished = entries.get(key, ("", "", True))
        if source != text:
            unfinished = True
        mark = ' type="unfinished"' if unfinished or not translation else ""
        lines += [f'    <message id="{key}">',
                  f"        <source>{escape(text)}</source>",
                  f"        <translation{mark}>{escape(translation)}</translation>",
                  "    </message>"]
    lines += ["</context>", "</TS>", ""]
    ts_path(lang).write_text("\n".join(lines), encoding="utf-8")


def main(argv):
    english = english_texts()
    if len(argv) == 2 and argv[1] == "sync":
        TRANSLATIONS.mkdir(parents=True, exist_ok=True)
        for lang in LANGUAGES:
            write_ts(lang, english, read_ts(lang))
        return 0
    if len(argv) == 3 and argv[1] == "missing":
        entries = read_ts(argv[2])
        todo = {key: text for key, text in english
                if key not in entries or entries[key][2] or not entries[key][1] or entries[key][0] != text}
        json.dump(todo, sys.stdout, ensure_ascii=False, indent=1)
        print()
        return 0
    if len(argv) == 4 and argv[1] == "apply":
        lang, entries = argv[2], read_ts(argv[2])
        known = dict(english)
        for key, translation in json.loads(Path(argv[3]).read_text(encoding="utf-8")).items():
            if key not in known:
                print(f"unknown id {key}", file=sys.stderr)
                continue
            entries[key] = (known[key], translation, not translation)
        write_ts(lang, english, entries)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
