#!/usr/bin/python3
"""Generates the chat plug-in's own emoticon set.

Every picture is a glyph of the Noto Color Emoji font (Debian package
fonts-noto-color-emoji) rendered with Pillow (python3-pil); the animated
ones are a few transformed copies of it joined into MNG files with
ImageMagick's convert. The result is committed, so builds never run this;
run it again only to change the set:

    /usr/bin/python3 tools/make_emoticons/make_emoticons.py [output folder]

The output folder defaults to host/appfolder/plugins/chat/emoticons and gets
32x32/ and 128x128/ pictures, config/order.cfg, config/aliases.cfg and one
config/<language>.lng file per description language.
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile

from PIL import Image, ImageDraw, ImageEnhance, ImageFont

FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
# The font holds bitmaps of this one size only (CBDT); other sizes are made by
# scaling the rendered glyph.
FONT_SIZE = 109
# Glyph bitmaps are 136 x 128; a square canvas keeps every emoticon at the
# same scale instead of stretching each to its own bounding box.
CANVAS = 136
SIZES = (32, 128)
LANGUAGES = ("en", "de", "fr", "es", "ru")
FRAME_DELAY = 12  # hundredths of a second per frame unless an animation says otherwise

# name, characters, animation (None for a still picture), descriptions in LANGUAGES order
EMOTICONS = [
    ("smile", "\U0001F642", None, ("Smile", "Lächeln", "Sourire", "Sonrisa", "Улыбка")),
    ("happy", "\U0001F60A", None, ("Happy", "Fröhlich", "Content", "Feliz", "Радость")),
    ("laugh", "\U0001F604", "bounce", ("Laugh", "Lachen", "Rire", "Risa", "Смех")),
    ("grin", "\U0001F601", None, ("Grin", "Grinsen", "Grand sourire", "Sonrisa amplia", "Ухмылка")),
    ("rofl", "\U0001F923", "roll", ("Rolling on the floor laughing", "Vor Lachen auf dem Boden rollen",
                                    "Mort de rire", "Revolcándose de risa", "Катаюсь от смеха")),
    ("wink", "\U0001F609", "wink", ("Wink", "Zwinkern", "Clin d'œil", "Guiño", "Подмигивание")),
    ("tongue", "\U0001F61B", None, ("Sticking out tongue", "Zunge rausstrecken", "Tirer la langue",
                                    "Sacar la lengua", "Показываю язык")),
    ("sad", "\U0001F641", None, ("Sad", "Traurig", "Triste", "Triste", "Грусть")),
    ("cry", "\U0001F622", None, ("Crying", "Weinen", "Pleurer", "Llorar", "Плачу")),
    ("surprised", "\U0001F62E", None, ("Surprised", "Überrascht", "Surpris", "Sorprendido", "Удивление")),
    ("cool", "\U0001F60E", None, ("Cool", "Cool", "Cool", "Genial", "Круто")),
    ("neutral", "\U0001F610", None, ("Neutral", "Neutral", "Neutre", "Neutral", "Нейтрально")),
    ("kiss", "\U0001F618", None, ("Kiss", "Kuss", "Bisou", "Beso", "Поцелуй")),
    ("confused", "\U0001F615", None, ("Confused", "Verwirrt", "Perplexe", "Confundido", "Растерянность")),
    ("worried", "\U0001F61F", None, ("Worried", "Besorgt", "Inquiet", "Preocupado", "Беспокойство")),
    ("angry", "\U0001F620", None, ("Angry", "Wütend", "En colère", "Enfadado", "Злость")),
    ("rage", "\U0001F621", "shake", ("Furious", "Zornig", "Furieux", "Furioso", "Ярость")),
    ("blush", "\U0001F633", None, ("Blushing", "Erröten", "Rougir", "Sonrojado", "Смущение")),
    ("angel", "\U0001F607", None, ("Angel", "Engel", "Ange", "Ángel", "Ангел")),
    ("devil", "\U0001F608", None, ("Devil", "Teufel", "Diable", "Diablo", "Чертёнок")),
    ("sleepy", "\U0001F634", None, ("Sleepy", "Schläfrig", "Endormi", "Dormido", "Сплю")),
    ("thinking", "\U0001F914", None, ("Thinking", "Nachdenken", "Réfléchir", "Pensando", "Размышляю")),
    ("love", "\U0001F60D", "pulse", ("In love", "Verliebt", "Amoureux", "Enamorado", "Влюблённость")),
    ("sweat", "\U0001F605", None, ("Phew", "Puh", "Ouf", "Uf", "Фух")),
    ("eyeroll", "\U0001F644", None, ("Rolling eyes", "Augenrollen", "Lever les yeux au ciel",
                                     "Poner los ojos en blanco", "Закатываю глаза")),
    ("scream", "\U0001F631", None, ("Scream", "Schrei", "Effroi", "Grito", "Ужас")),
    ("nerd", "\U0001F913", None, ("Nerd", "Streber", "Intello", "Empollón", "Ботаник")),
    ("hug", "\U0001F917", None, ("Hug", "Umarmung", "Câlin", "Abrazo", "Объятия")),
    ("facepalm", "\U0001F926", None, ("Facepalm", "Kopf in die Hand", "Main sur le visage",
                                      "Palmada en la cara", "Рука-лицо")),
    ("shrug", "\U0001F937", None, ("Shrug", "Schulterzucken", "Haussement d'épaules",
                                   "Encogerse de hombros", "Пожимаю плечами")),
    ("sick", "\U0001F922", None, ("Sick", "Übel", "Nauséeux", "Con náuseas", "Тошнит")),
    ("heart", "\u2764\ufe0f", "pulse", ("Heart", "Herz", "Cœur", "Corazón", "Сердце")),
    ("brokenheart", "\U0001F494", None, ("Broken heart", "Gebrochenes Herz", "Cœur brisé",
                                         "Corazón roto", "Разбитое сердце")),
    ("thumbsup", "\U0001F44D", None, ("Thumbs up", "Daumen hoch", "Pouce levé", "Pulgar arriba",
                                      "Палец вверх")),
    ("thumbsdown", "\U0001F44E", None, ("Thumbs down", "Daumen runter", "Pouce baissé", "Pulgar abajo",
                                        "Палец вниз")),
    ("clap", "\U0001F44F", "clap", ("Applause", "Applaus", "Applaudissements", "Aplausos", "Аплодисменты")),
    ("wave", "\U0001F44B", "wave", ("Wave", "Winken", "Salut de la main", "Saludo con la mano", "Машу рукой")),
    ("ok", "\U0001F44C", None, ("OK", "OK", "D'accord", "De acuerdo", "Хорошо")),
    ("pray", "\U0001F64F", None, ("Please", "Bitte", "S'il te plaît", "Por favor", "Пожалуйста")),
    ("muscle", "\U0001F4AA", None, ("Strong", "Stark", "Fort", "Fuerte", "Сила")),
    ("party", "\U0001F389", "tilt", ("Party", "Party", "Fête", "Fiesta", "Праздник")),
    ("gift", "\U0001F381", None, ("Gift", "Geschenk", "Cadeau", "Regalo", "Подарок")),
    ("cake", "\U0001F382", None, ("Birthday cake", "Geburtstagskuchen", "Gâteau d'anniversaire",
                                  "Pastel de cumpleaños", "Праздничный торт")),
    ("coffee", "\u2615", None, ("Coffee", "Kaffee", "Café", "Café", "Кофе")),
    ("beer", "\U0001F37A", None, ("Beer", "Bier", "Bière", "Cerveza", "Пиво")),
    ("pizza", "\U0001F355", None, ("Pizza", "Pizza", "Pizza", "Pizza", "Пицца")),
    ("sun", "\u2600\ufe0f", None, ("Sun", "Sonne", "Soleil", "Sol", "Солнце")),
    ("rain", "\U0001F327\ufe0f", None, ("Rain", "Regen", "Pluie", "Lluvia", "Дождь")),
    ("star", "\u2B50", "twinkle", ("Star", "Stern", "Étoile", "Estrella", "Звезда")),
    ("fire", "\U0001F525", "flicker", ("Fire", "Feuer", "Feu", "Fuego", "Огонь")),
    ("rose", "\U0001F339", None, ("Rose", "Rose", "Rose", "Rosa", "Роза")),
    ("cat", "\U0001F431", None, ("Cat", "Katze", "Chat", "Gato", "Кошка")),
    ("dog", "\U0001F436", None, ("Dog", "Hund", "Chien", "Perro", "Собака")),
    ("ghost", "\U0001F47B", None, ("Ghost", "Gespenst", "Fantôme", "Fantasma", "Привидение")),
    ("rocket", "\U0001F680", None, ("Rocket", "Rakete", "Fusée", "Cohete", "Ракета")),
    ("idea", "\U0001F4A1", None, ("Idea", "Idee", "Idée", "Idea", "Идея")),
    ("music", "\U0001F3B5", None, ("Music", "Musik", "Musique", "Música", "Музыка")),
    ("phone", "\U0001F4DE", None, ("Phone", "Telefon", "Téléphone", "Teléfono", "Телефон")),
    ("mail", "\u2709\ufe0f", None, ("Mail", "Post", "Courrier", "Correo", "Почта")),
    ("clock", "\u23F0", None, ("Alarm clock", "Wecker", "Réveil", "Despertador", "Будильник")),
]

# Typed smiley -> emoticon code. Values are codes, not names. A line of
# "aliases.cfg" splits at its first "=", so an alias cannot contain one.
ALIASES = [
    (":)", "smile"), (":-)", "smile"), (":]", "smile"),
    ("^_^", "happy"), ("^^", "happy"),
    (":D", "laugh"), (":-D", "laugh"),
    ("xD", "rofl"), ("XD", "rofl"),
    (";)", "wink"), (";-)", "wink"),
    (":P", "tongue"), (":-P", "tongue"), (":p", "tongue"), (":-p", "tongue"),
    (":(", "sad"), (":-(", "sad"),
    (":'(", "cry"), (":'-(", "cry"),
    (":O", "surprised"), (":-O", "surprised"), (":o", "surprised"), (":-o", "surprised"),
    ("8)", "cool"), ("8-)", "cool"), ("B)", "cool"), ("B-)", "cool"),
    (":|", "neutral"), (":-|", "neutral"),
    (":*", "kiss"), (":-*", "kiss"),
    (":/", "confused"), (":-/", "confused"),
    (":S", "worried"), (":-S", "worried"), (":s", "worried"),
    (">:(", "angry"), (">:-(", "angry"),
    (":@", "rage"), (":-@", "rage"),
    (":$", "blush"), (":-$", "blush"),
    ("O:)", "angel"), ("O:-)", "angel"), ("0:)", "angel"),
    ("]:)", "devil"), (">:)", "devil"), (">:-)", "devil"),
    ("|-)", "sleepy"), ("(zzz)", "sleepy"),
    ("<3", "heart"), ("(L)", "heart"), ("(l)", "heart"),
    ("</3", "brokenheart"), ("(U)", "brokenheart"), ("(u)", "brokenheart"),
    ("(y)", "thumbsup"), ("(Y)", "thumbsup"),
    ("(n)", "thumbsdown"), ("(N)", "thumbsdown"),
    ("(ok)", "ok"),
    ("(*)", "star"),
]


def render_glyph(font, chars):
    canvas = Image.new("RGBA", (CANVAS, CANVAS), (0, 0, 0, 0))
    ImageDraw.Draw(canvas).text((0, (CANVAS - 128) // 2), chars, font=font, embedded_color=True)
    if canvas.getbbox() is None:
        raise SystemExit("make_emoticons: the font has no picture for %r" % chars)
    return canvas


def transformed(base, scale=1.0, scale_y=None, dx=0, dy=0, angle=0.0, pivot=None, brightness=1.0):
    """A copy of the glyph scaled about the pivot (default: centre), rotated
    and moved, on a transparent canvas of the same size."""
    scale_y = scale if scale_y is None else scale_y
    px, py = pivot if pivot else (CANVAS / 2, CANVAS / 2)
    image = base
    if brightness != 1.0:
        rgb = ImageEnhance.Brightness(image.convert("RGB")).enhance(brightness)
        rgb.putalpha(image.getchannel("A"))
        image = rgb
    width = max(1, round(CANVAS * scale))
    height = max(1, round(CANVAS * scale_y))
    scaled = image.resize((width, height), Image.LANCZOS)
    out = Image.new("RGBA", (CANVAS, CANVAS), (0, 0, 0, 0))
    left = round(px - px * scale + dx)
    top = round(py - py * scale_y + dy)
    out.alpha_composite(scaled, (max(0, left), max(0, top)),
                        (max(0, -left), max(0, -top)))
    if angle:
        out = out.rotate(angle, resample=Image.BICUBIC, center=(px, py))
    return out


def animation_frames(kind, base, font):
    """(frame, delay) pairs of one animation, in play order."""
    if kind == "pulse":  # a heart beat: two quick swells, then a rest
        scales = [0.80, 0.92, 0.84, 0.96, 0.86, 0.80]
        delays = [10, 10, 10, 10, 10, 40]
        return [(transformed(base, s), d) for s, d in zip(scales, delays)]
    if kind == "bounce":
        shrunk = [0, -8, -14, -8, 0, 3]
        return [(transformed(base, 0.86, dy=y, pivot=(68, 130)), FRAME_DELAY) for y in shrunk]
    if kind == "wink":  # the open face, then a brief wink
        open_face = render_glyph(font, "\U0001F642")
        return [(open_face, 120), (base, 40), (open_face, 60), (base, 40)]
    if kind == "roll":
        return [(transformed(base, 0.9, angle=a), FRAME_DELAY) for a in (0, 20, 35, 20, 0, -20, -35, -20)]
    if kind == "shake":
        return [(transformed(base, 0.9, dx=x), 6) for x in (0, -5, 5, -5, 5, 0)]
    if kind == "clap":
        return [(transformed(base, s), FRAME_DELAY) for s in (0.95, 0.82, 0.95, 0.82)]
    if kind == "wave":  # the hand turns about its wrist
        return [(transformed(base, 0.9, angle=a, pivot=(80, 120)), FRAME_DELAY) for a in (0, 14, 24, 14, 0, -10)]
    if kind == "tilt":
        return [(transformed(base, 0.9, angle=a), FRAME_DELAY) for a in (-12, 0, 12, 0)]
    if kind == "twinkle":
        steps = [(0.82, 1.0), (0.9, 1.15), (0.96, 1.3), (0.9, 1.15)]
        return [(transformed(base, s, brightness=b), FRAME_DELAY) for s, b in steps]
    if kind == "flicker":  # flames stretch up and sink back from their base
        heights = [0.9, 0.97, 0.86, 1.0, 0.92]
        return [(transformed(base, 0.9, scale_y=h, pivot=(68, 128)), 8) for h in heights]
    raise SystemExit("make_emoticons: unknown animation %r" % kind)


def save_png(image, size, path):
    image.resize((size, size), Image.LANCZOS).save(path, optimize=True)


def save_mng(frames, size, path, work):
    """Joins the frames into an endlessly looping MNG. Each frame replaces
    the whole picture ("previous" disposal), so transparent parts of one frame
    never show the one before."""
    args = ["convert", "-loop", "0", "-dispose", "previous"]
    for number, (frame, delay) in enumerate(frames):
        file = os.path.join(work, "f%02d.png" % number)
        save_png(frame, size, file)
        args += ["-delay", str(delay), file]
    # No time stamps in the output, so an unchanged set regenerates byte for byte.
    args += ["-define", "png:exclude-chunks=date,time", "+set", "date:create", "+set", "date:modify",
             path]
    subprocess.run(args, check=True)


def write_text(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as file:
        file.write("\n".join(lines) + "\n")


def main():
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "host", "appfolder", "plugins", "chat",
                                                             "emoticons")
    if shutil.which("convert") is None:
        raise SystemExit("make_emoticons: ImageMagick's convert is needed (apt-get install imagemagick)")
    names = [e[0] for e in EMOTICONS]
    if len(set(names)) != len(names):
        raise SystemExit("make_emoticons: duplicate emoticon names")
    for alias, target in ALIASES:
        if "=" in alias or alias.startswith("#") or any(ord(c) <= 0x20 for c in alias):
            raise SystemExit("make_emoticons: alias %r cannot be written as a line of aliases.cfg" % alias)
        if target not in names:
            raise SystemExit("make_emoticons: alias %s names no emoticon %s" % (alias, target))

    font = ImageFont.truetype(FONT, FONT_SIZE)
    folders = {size: os.path.join(out, "%dx%d" % (size, size)) for size in SIZES}
    for folder in list(folders.values()) + [os.path.join(out, "config")]:
        if os.path.isdir(folder) and folder != os.path.join(out, "config"):
            shutil.rmtree(folder)
        os.makedirs(folder, exist_ok=True)

    with tempfile.TemporaryDirectory() as work:
        for name, chars, animation, _ in EMOTICONS:
            base = render_glyph(font, chars)
            for size, folder in folders.items():
                if animation:
                    save_mng(animation_frames(animation, base, font), size, os.path.join(folder, name + ".mng"),
                             work)
                else:
                    save_png(base, size, os.path.join(folder, name + ".png"))

    config = os.path.join(out, "config")
    header = ["# Generated by tools/make_emoticons/make_emoticons.py; edit the tool, not this file."]
    write_text(os.path.join(config, "order.cfg"), header + ["# Emoticon names in picker order."] + names)
    write_text(os.path.join(config, "aliases.cfg"),
               header + ["# Typed text = the emoticon code it becomes."]
               + ["%s=(%s)" % (alias, target) for alias, target in ALIASES])
    for index, language in enumerate(LANGUAGES):
        write_text(os.path.join(config, language + ".lng"),
                   header + ["%s=%s" % (e[0], e[3][index]) for e in EMOTICONS])
    print("make_emoticons: %d emoticons (%d animated), %d aliases written to %s"
          % (len(EMOTICONS), sum(1 for e in EMOTICONS if e[2]), len(ALIASES), out))


if __name__ == "__main__":
    main()
