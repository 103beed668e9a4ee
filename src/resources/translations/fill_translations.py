#!/usr/bin/env python3
"""Writes the translations of every translations/chat_<code>.ts from
texts/<code>.py, which is where translations are edited: its dictionary T
maps an English source text (or "Context|source" where one context needs
its own wording) to the
translation; a numerus message maps to the list of the language's plural
forms in the order lupdate lists them. Messages the dictionary does not know
stay unfinished, so tools/translation_status lists them. The English
catalogue is left to fill_english.py.

Run after `cmake --build <dir> --target chat_update_translations`, which
calls it itself."""
import html
import os
import re
import sys

folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
MESSAGE = re.compile(r"(\s*)<message( numerus=\"yes\")?>(.*?)</message>", re.S)
CONTEXT = re.compile(r"<context>\s*<name>(.*?)</name>(.*?)</context>", re.S)


def xml_escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def fill(path, table):
    text = open(path, encoding="utf-8").read()
    missing = []

    def fill_context(cmatch):
        context = html.unescape(cmatch.group(1))

        def fill_message(match):
            indent, numerus, body = match.group(1), match.group(2), match.group(3)
            source = html.unescape(re.search(r"<source>(.*?)</source>", body, re.S).group(1))
            value = table.get(context + "|" + source, table.get(source))
            if value is None:
                if 'type="unfinished"' in body:
                    missing.append((context, source))
                return match.group(0)
            pad = indent.lstrip("\n")
            if numerus:
                forms = len(re.findall(r"<numerusform", body))
                if not isinstance(value, list) or len(value) != forms:
                    sys.exit("%s: %r needs %d plural forms" % (path, source, forms))
                inner = "".join("\n%s        <numerusform>%s</numerusform>" % (pad, xml_escape(v)) for v in value)
                translation = "<translation>%s\n%s    </translation>" % (inner, pad)
            else:
                if not isinstance(value, str):
                    sys.exit("%s: %r is not a numerus message" % (path, source))
                translation = "<translation>%s</translation>" % xml_escape(value)
            body = re.sub(r"<translation( type=\"unfinished\")?>.*?</translation>", lambda _: translation, body,
                          flags=re.S)
            return "%s<message%s>%s</message>" % (indent, numerus or "", body)

        return cmatch.group(0)[:cmatch.start(2) - cmatch.start(0)] + MESSAGE.sub(fill_message, cmatch.group(2)) \
            + "</context>"

    text = CONTEXT.sub(fill_context, text)
    open(path, "w", encoding="utf-8").write(text)
    return missing


for name in sorted(os.listdir(folder)):
    m = re.fullmatch(r"chat_(\w+)\.ts", name)
    if not m or m.group(1) == "en":
        continue
    data = os.path.join(folder, "texts", m.group(1) + ".py")
    if not os.path.exists(data):
        continue
    scope = {}
    exec(open(data, encoding="utf-8").read(), scope)
    missing = fill(os.path.join(folder, name), scope["T"])
    if missing:
        print("%s: %d messages without a translation" % (name, len(missing)))
