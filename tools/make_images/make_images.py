#!/usr/bin/python3
"""Draws the library's own images into src/resources/images/.

    /usr/bin/python3 tools/make_images/make_images.py [output folder]

Needs Pillow (Debian: python3-pil). The pictures are drawn from simple
shapes here, so they carry no outside licence (see LICENSE in this folder).
Each is drawn at four times its size and scaled down for smooth edges.
"""

import os
import sys

from PIL import Image, ImageDraw

SCALE = 4


def canvas(size):
    return Image.new("RGBA", (size * SCALE, size * SCALE), (0, 0, 0, 0))


def finish(image, size):
    return image.resize((size, size), Image.LANCZOS)


def s(*values):
    """Scales coordinates given in final pixels."""
    return [round(v * SCALE) for v in values]


def bubble(draw, box, tail, fill, outline, width=1.0):
    """A rounded speech bubble with a tail pointing down-left or down-right."""
    x0, y0, x1, y1 = box
    radius = (y1 - y0) * 0.35
    draw.polygon([tuple(s(*p)) for p in tail], fill=fill, outline=outline)
    draw.rounded_rectangle(s(x0, y0, x1, y1), radius=round(radius * SCALE), fill=fill,
                           outline=outline, width=round(width * SCALE))
    # Cover the outline where the tail meets the body.
    (ax, ay), (bx, by), _ = tail
    draw.line(s(ax + 0.6, ay - 0.2, bx - 0.6, by - 0.2), fill=fill, width=round(width * SCALE) + 2)


def chat(size=32):
    image = canvas(size)
    draw = ImageDraw.Draw(image)
    bubble(draw, (2, 4, 30, 22), [(8, 21), (15, 21), (6, 29)], (82, 148, 226, 255), (32, 74, 135, 255), 1.2)
    for x in (10, 16, 22):
        draw.ellipse(s(x - 1.6, 11.4, x + 1.6, 14.6), fill=(255, 255, 255, 255))
    return finish(image, size)


def chat_rooms(size=32):
    image = canvas(size)
    draw = ImageDraw.Draw(image)
    bubble(draw, (1, 2, 21, 15), [(5, 14), (10, 14), (3, 20)], (138, 226, 52, 255), (78, 154, 6, 255), 1.1)
    bubble(draw, (10, 11, 31, 25), [(22, 24), (27, 24), (29, 30)], (82, 148, 226, 255), (32, 74, 135, 255), 1.1)
    for x in (16, 21, 26):
        draw.ellipse(s(x - 1.4, 16.6, x + 1.4, 19.4), fill=(255, 255, 255, 255))
    return finish(image, size)


def broadcast(size=32):
    image = canvas(size)
    draw = ImageDraw.Draw(image)
    orange, dark = (245, 121, 0, 255), (206, 92, 0, 255)
    # Megaphone: a mouthpiece and a widening horn.
    draw.rectangle(s(3, 13, 8, 19), fill=dark)
    draw.polygon([tuple(s(*p)) for p in [(8, 13), (19, 6), (19, 26), (8, 19)]], fill=orange, outline=dark)
    draw.rectangle(s(18.5, 6, 20.5, 26), fill=dark)
    draw.line(s(7, 19, 10, 27), fill=dark, width=round(2.2 * SCALE))
    # Sound waves.
    for radius in (4.5, 8.5):
        draw.arc(s(20 - radius, 16 - radius, 20 + radius, 16 + radius), start=-45, end=45,
                 fill=(52, 101, 164, 255), width=round(1.6 * SCALE))
    return finish(image, size)


def network(size=16):
    image = canvas(size)
    draw = ImageDraw.Draw(image)
    line, node = (46, 52, 54, 255), (52, 101, 164, 255)
    nodes = [(8, 3), (3, 12), (13, 12)]
    for a in nodes:
        for b in nodes:
            draw.line(s(*a, *b), fill=line, width=round(1.0 * SCALE))
    for x, y in nodes:
        draw.ellipse(s(x - 2.4, y - 2.4, x + 2.4, y + 2.4), fill=node, outline=line, width=round(0.6 * SCALE))
    return finish(image, size)


def padlock(size=16):
    image = canvas(size)
    draw = ImageDraw.Draw(image)
    body, edge, shackle = (237, 212, 0, 255), (143, 89, 2, 255), (136, 138, 133, 255)
    draw.arc(s(4, 1.5, 12, 10.5), start=180, end=360, fill=shackle, width=round(1.8 * SCALE))
    draw.line(s(4.9, 6, 4.9, 8), fill=shackle, width=round(1.8 * SCALE))
    draw.line(s(11.1, 6, 11.1, 8), fill=shackle, width=round(1.8 * SCALE))
    draw.rounded_rectangle(s(2.5, 7.5, 13.5, 15), radius=round(1.5 * SCALE), fill=body, outline=edge,
                           width=round(0.9 * SCALE))
    draw.ellipse(s(7, 9.6, 9, 11.6), fill=edge)
    draw.rectangle(s(7.6, 11, 8.4, 13.2), fill=edge)
    return finish(image, size)


def save_gif(image, path):
    """GIF keeps one transparent palette entry: pixels below half opacity."""
    background = Image.new("RGBA", image.size, (255, 255, 255, 255))
    flat = Image.alpha_composite(background, image).convert("RGB")
    paletted = flat.convert("P", palette=Image.ADAPTIVE, colors=255)
    mask = image.getchannel("A").point(lambda a: 255 if a < 128 else 0)
    paletted.paste(255, mask=mask)
    paletted.save(path, transparency=255)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "src", "resources", "images")
    os.makedirs(out, exist_ok=True)
    chat().save(os.path.join(out, "chat.png"))
    chat_rooms().save(os.path.join(out, "chat_rooms.png"))
    broadcast().save(os.path.join(out, "broadcast.png"))
    network().save(os.path.join(out, "network_ormica.png"))
    save_gif(padlock(), os.path.join(out, "security_state.gif"))


if __name__ == "__main__":
    main()
