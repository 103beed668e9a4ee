#!/usr/bin/env python3
"""Gives every unfinished message of an English catalogue its source text as
translation, so that lrelease compiles it (lrelease skips unfinished
entries). Run after `cmake --build <dir> --target chat_update_translations`."""
import re
import sys

path = sys.argv[1] if len(sys.argv) > 1 else __file__.replace("fill_english.py", "chat_en.ts")
text = open(path, encoding="utf-8").read()


def fill(match):
    body = match.group(0)
    if "numerus=\"yes\"" in body:
        source = re.search(r"<source>(.*?)</source>", body, re.S).group(1)
        return re.sub(r"<translation type=\"unfinished\">.*?</translation>",
                      "<translation>\n            <numerusform>%s</numerusform>\n            <numerusform>%s</numerusform>\n        </translation>" % (source, source),
                      body, flags=re.S)
    source = re.search(r"<source>(.*?)</source>", body, re.S).group(1)
    return re.sub(r"<translation type=\"unfinished\">[^<]*</translation>",
                  "<translation>%s</translation>" % source, body)


text = re.sub(r"<message( numerus=\"yes\")?>.*?</message>", fill, text, flags=re.S)
open(path, "w", encoding="utf-8").write(text)
