#!/usr/bin/python3
"""Draws the program's small icons.

Usage (from the repository root):

    /usr/bin/python3 tools/make_icons.py

Writes PNG icons with transparent backgrounds into src/ui/common/icons/, each
at its design size as NAME.png and at twice that size as NAME@2x.png (Qt picks
the @2x file on high-DPI screens):

    sunrise, sunset, clock  16 x 16   toolbar of the main window
    about, hide             19 x 19   toolbar buttons of the main window
    app                     32 x 32   program and notification-area icon
    map_auto, close_cross   34 x 32   toolbar buttons of the World Map window

and the program icon at the sizes of the desktop's hicolor icon theme into
packaging/icons/ as app-SIZE.png (16 to 256 pixels), for the menu entry the
package installs.

Needs Debian 12's python3-pil (Pillow 9.4.0) and fonts-dejavu-core (2.37);
the script installs both with apt-get when they are missing (as root, or
through sudo). The output is deterministic for those versions.

Shapes are given in icon pixels and drawn eight times finer, then reduced, so
that edges are smooth at both sizes; words are drawn at the final size, where
the font's hinting keeps them sharp.
"""

import math
import os

from drawing_setup import dejavu, ensure_debian_packages, warn_if_untested_pillow  # noqa: E402

ensure_debian_packages("DejaVuSans-Bold.ttf")

from PIL import Image, ImageDraw  # noqa: E402

warn_if_untested_pillow("the icons")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FINE = 8  # shapes are drawn this many times finer than the output

NAVY = (0, 0, 128, 255)
BLUE = (16, 64, 200, 255)
SUN = (255, 196, 0, 255)
SUN_LOW = (255, 140, 0, 255)
SUN_EDGE = (176, 88, 0, 255)
GROUND = (110, 80, 40, 255)
WHITE = (255, 255, 255, 255)
RED = (220, 30, 30, 255)
DARK_RED = (130, 0, 0, 255)
CARD = (255, 214, 51, 255)
CARD_EDGE = (120, 84, 0, 255)
ARROW = (232, 70, 20, 255)
OCEAN = (190, 220, 245, 255)
LAND = (70, 150, 70, 255)


class Icon:
    """A picture of w x h icon pixels, drawn at `scale` output pixels per icon
    pixel; a scale below 1 or between whole numbers serves the theme sizes."""

    def __init__(self, w, h, scale):
        self.w, self.h, self.scale = w, h, scale
        self.k = scale * FINE
        self.fine = Image.new("RGBA", (round(w * self.k), round(h * self.k)), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.fine)
        self.words = []

    def _pts(self, points):
        return [(x * self.k, y * self.k) for x, y in points]

    def polygon(self, points, fill, outline=None, width=0):
        self.draw.polygon(self._pts(points), fill=fill)
        if outline:
            self.line(list(points) + [points[0]], outline, width)

    def line(self, points, colour, width):
        w = max(1, round(width * self.k))
        self.draw.line(self._pts(points), fill=colour, width=w, joint="curve")
        # Round caps keep the ends of thick strokes tidy.
        for x, y in (points[0], points[-1]):
            self.circle(x, y, width / 2, colour)

    def circle(self, cx, cy, r, fill, outline=None, width=0):
        k = self.k
        box = [(cx - r) * k, (cy - r) * k, (cx + r) * k - 1, (cy + r) * k - 1]
        if outline:
            self.draw.ellipse(box, fill=outline)
            r2 = r - width
            box = [(cx - r2) * k, (cy - r2) * k, (cx + r2) * k - 1, (cy + r2) * k - 1]
        self.draw.ellipse(box, fill=fill)

    def pieslice(self, cx, cy, r, start, end, fill):
        k = self.k
        self.draw.pieslice([(cx - r) * k, (cy - r) * k, (cx + r) * k - 1, (cy + r) * k - 1],
                           start, end, fill=fill)

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=0, radius=0):
        k = self.k
        box = [x0 * k, y0 * k, x1 * k - 1, y1 * k - 1]
        if outline:
            self.draw.rounded_rectangle(box, radius=radius * k, fill=outline)
            d = width * k
            box = [box[0] + d, box[1] + d, box[2] - d, box[3] - d]
            self.draw.rounded_rectangle(box, radius=max(0, radius - width) * k, fill=fill)
        else:
            self.draw.rounded_rectangle(box, radius=radius * k, fill=fill)

    def word(self, text, cx, top, size, colour, bold=True):
        """A word centred on cx with its ink starting at `top` (icon pixels)."""
        self.words.append((text, cx, top, size, colour, bold))

    def image(self):
        size = (round(self.w * self.scale), round(self.h * self.scale))
        img = self.fine.resize(size, Image.Resampling.BOX)
        for text, cx, top, size_px, colour, bold in self.words:
            name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
            fnt = dejavu(name, size_px * self.scale)
            left, t, right, _ = fnt.getbbox(text)
            x = round(cx * self.scale - (left + right) / 2)
            y = round(top * self.scale) - t
            # Coverage first, then the colour through it: drawing straight onto a
            # transparent picture would darken the anti-aliased edges.
            mask = Image.new("L", img.size, 0)
            ImageDraw.Draw(mask).text((x, y), text, font=fnt, fill=255)
            layer = Image.new("RGBA", img.size, colour[:3] + (0,))
            layer.putalpha(mask)
            img = Image.alpha_composite(img, layer)
        return img


# ---------------------------------------------------------------------------
# The icons, each drawn in its own icon pixels.

def horizon_sun(icon, rising):
    """Half a sun on the horizon with an arrow up (rising) or down (setting)."""
    cx, horizon = 8, 12
    sun = SUN if rising else SUN_LOW
    for angle in (20, 55, 125, 160):
        a = math.radians(angle)
        icon.line([(cx + 5.8 * math.cos(a), horizon - 5.8 * math.sin(a)),
                   (cx + 7.2 * math.cos(a), horizon - 7.2 * math.sin(a))], SUN_EDGE, 1.1)
    icon.pieslice(cx, horizon, 4.8, 180, 360, SUN_EDGE)
    icon.pieslice(cx, horizon, 3.8, 180, 360, sun)
    icon.rect(0, horizon, 16, horizon + 1.5, GROUND)
    # The arrow's edges lie on whole pixels where they can, so it stays sharp.
    if rising:
        icon.polygon([(8, 0), (12, 4), (4, 4)], NAVY)
        icon.rect(7, 4, 9, 6, NAVY)
    else:
        icon.rect(7, 0, 9, 3, NAVY)
        icon.polygon([(4, 3), (12, 3), (8, 7)], NAVY)


def sunrise(icon):
    horizon_sun(icon, True)


def sunset(icon):
    horizon_sun(icon, False)


def clock(icon):
    icon.circle(8, 8, 7.5, WHITE, outline=NAVY, width=1.3)
    for hour in range(12):
        a = math.radians(hour * 30)
        inner = 4.9 if hour % 3 == 0 else 5.5
        icon.line([(8 + inner * math.sin(a), 8 - inner * math.cos(a)),
                   (8 + 5.7 * math.sin(a), 8 - 5.7 * math.cos(a))], NAVY, 0.9 if hour % 3 == 0 else 0.5)
    icon.line([(8, 8), (8, 3.2)], NAVY, 1.2)          # minute hand at twelve
    icon.line([(8, 8), (11.2, 9.8)], NAVY, 1.4)       # hour hand past four
    icon.circle(8, 8, 1.1, RED)


def about(icon):
    """A navy disc with a white "i"."""
    icon.circle(9.5, 9.5, 9, NAVY)
    icon.circle(9.5, 5, 1.7, WHITE)
    icon.rect(8, 8, 11, 14, WHITE)
    icon.rect(7, 8, 11, 9, WHITE)      # serif at the top left
    icon.rect(7, 14, 12, 15, WHITE)    # foot


def hide(icon):
    """An arrow down into the notification-area bar."""
    icon.rect(1, 14, 18, 18, (220, 226, 240, 255), outline=NAVY, width=1, radius=1)
    icon.rect(13, 15, 16, 17, BLUE)  # an icon sitting in the tray
    icon.rect(8, 1, 11, 7, NAVY)
    icon.polygon([(4.5, 7), (14.5, 7), (9.5, 12.5)], NAVY)


def app(icon):
    """A yellow compass card with the heading arrow."""
    c = 16
    icon.circle(c, c, 15.5, CARD, outline=CARD_EDGE, width=1.6)
    # The four points of the compass rose, north dark.
    for angle, colour in ((0, NAVY), (90, CARD_EDGE), (180, CARD_EDGE), (270, CARD_EDGE)):
        a = math.radians(angle)
        tip = (c + 12.5 * math.sin(a), c - 12.5 * math.cos(a))
        side1 = (c + 2.4 * math.sin(a + math.pi / 2), c - 2.4 * math.cos(a + math.pi / 2))
        side2 = (c + 2.4 * math.sin(a - math.pi / 2), c - 2.4 * math.cos(a - math.pi / 2))
        icon.polygon([tip, side1, side2], colour)
    for tick in range(0, 360, 30):
        if tick % 90:
            a = math.radians(tick)
            icon.line([(c + 11.4 * math.sin(a), c - 11.4 * math.cos(a)),
                       (c + 13.4 * math.sin(a), c - 13.4 * math.cos(a))], CARD_EDGE, 1)
    # The heading arrow across the card, pointing north-east.
    a = math.radians(50)
    ux, uy = math.sin(a), -math.cos(a)      # along the arrow
    px, py = -uy, ux                        # across it
    tail = (c - 11 * ux, c - 11 * uy)
    neck = (c + 5 * ux, c + 5 * uy)
    tip = (c + 13 * ux, c + 13 * uy)
    shaft = 1.6
    body = [(tail[0] + shaft * px, tail[1] + shaft * py), (neck[0] + shaft * px, neck[1] + shaft * py),
            (neck[0] + 5 * px, neck[1] + 5 * py), tip,
            (neck[0] - 5 * px, neck[1] - 5 * py), (neck[0] - shaft * px, neck[1] - shaft * py),
            (tail[0] - shaft * px, tail[1] - shaft * py)]
    icon.polygon(body, ARROW, outline=DARK_RED, width=0.9)
    icon.circle(c, c, 2, DARK_RED)


# Continents in longitude and latitude, coarse enough for a map 30 pixels wide.
CONTINENTS = [
    # North and Central America
    [(-166, 68), (-140, 70), (-95, 72), (-80, 73), (-62, 60), (-55, 50), (-67, 45), (-76, 35),
     (-81, 25), (-97, 26), (-97, 19), (-88, 15), (-80, 8), (-86, 12), (-105, 20), (-117, 32),
     (-125, 42), (-125, 50), (-138, 58), (-152, 58), (-166, 55)],
    # Greenland
    [(-55, 60), (-43, 60), (-20, 70), (-18, 81), (-60, 82), (-72, 77)],
    # South America
    [(-80, 8), (-60, 10), (-50, 0), (-35, -5), (-40, -22), (-48, -28), (-58, -38), (-65, -55),
     (-75, -50), (-72, -18), (-81, -5)],
    # Europe and Asia
    [(-10, 36), (-9, 44), (0, 50), (5, 54), (8, 58), (5, 62), (15, 70), (30, 71), (60, 70),
     (80, 73), (110, 77), (140, 72), (180, 69), (170, 60), (160, 58), (140, 52), (135, 43),
     (122, 40), (121, 31), (110, 20), (105, 10), (100, 14), (98, 8), (92, 21), (80, 15), (77, 8),
     (72, 20), (57, 25), (50, 30), (48, 29), (57, 23), (44, 12), (35, 28), (33, 31), (27, 37),
     (10, 44), (3, 43)],
    # Africa
    [(-17, 21), (-10, 35), (10, 37), (32, 31), (43, 12), (51, 12), (40, -15), (35, -24),
     (20, -35), (12, -17), (9, 4), (-8, 5), (-17, 14)],
    # Australia
    [(114, -22), (130, -12), (137, -12), (145, -15), (153, -25), (150, -38), (140, -38),
     (129, -32), (115, -34)],
    # Great Britain, Japan, Madagascar, Borneo and Sumatra
    [(-5, 50), (2, 52), (-2, 58), (-6, 57)],
    [(130, 31), (141, 36), (142, 44), (139, 40)],
    [(43, -12), (50, -15), (47, -25), (43, -20)],
    [(109, 2), (118, 7), (119, -3), (110, -3)],
    [(95, 5), (106, -6), (101, -3)],
]


def map_auto(icon):
    """A small world map above the word "Auto"."""
    x0, y0, x1, y1 = 2, 1, 32, 18
    icon.rect(x0, y0, x1, y1, OCEAN, outline=NAVY, width=1)
    inner = (x0 + 1, y0 + 1, x1 - 1, y1 - 1)

    def to_icon(lon, lat):
        # Equirectangular, latitudes 80 N to 60 S.
        x = inner[0] + (lon + 180) / 360 * (inner[2] - inner[0])
        y = inner[1] + (80 - lat) / 140 * (inner[3] - inner[1])
        return x, min(max(y, inner[1]), inner[3])

    for outline in CONTINENTS:
        icon.polygon([to_icon(lon, lat) for lon, lat in outline], LAND)
    icon.word("Auto", 17, 20.5, 9, BLUE)


def close_cross(icon):
    """A red cross above the word "Close"."""
    icon.line([(12, 3), (22, 13)], DARK_RED, 4.2)
    icon.line([(22, 3), (12, 13)], DARK_RED, 4.2)
    icon.line([(12, 3), (22, 13)], RED, 2.8)
    icon.line([(22, 3), (12, 13)], RED, 2.8)
    icon.word("Close", 17, 20.5, 9, BLUE)


ICONS = [
    ("sunrise", 16, 16, sunrise),
    ("sunset", 16, 16, sunset),
    ("clock", 16, 16, clock),
    ("about", 19, 19, about),
    ("hide", 19, 19, hide),
    ("app", 32, 32, app),
    ("map_auto", 34, 32, map_auto),
    ("close_cross", 34, 32, close_cross),
]


# The sizes of the hicolor theme that desktops look for in menus and docks.
THEME_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def save(icon, rel):
    img = icon.image()
    os.makedirs(os.path.dirname(os.path.join(ROOT, rel)), exist_ok=True)
    img.save(os.path.join(ROOT, rel), format="PNG", optimize=True)
    print(f"wrote {rel} ({img.width} x {img.height})")


def main():
    for name, w, h, paint in ICONS:
        for scale, suffix in ((1, ""), (2, "@2x")):
            icon = Icon(w, h, scale)
            paint(icon)
            save(icon, os.path.join("src", "ui", "common", "icons", f"{name}{suffix}.png"))
    for size in THEME_SIZES:
        icon = Icon(32, 32, size / 32)
        app(icon)
        save(icon, os.path.join("packaging", "icons", f"app-{size}.png"))


if __name__ == "__main__":
    main()
