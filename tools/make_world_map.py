#!/usr/bin/python3
"""Draws the World Map window's picture and writes its DXCC search list.

    /usr/bin/python3 tools/make_world_map.py

Writes (byte for byte the same on every run):
    src/ui/worldmap/resources/world_map.gif        1133 x 556 GIF87a, 256 colours
    src/ui/worldmap/resources/dxcc_search_list.txt "PFX  Name   #aX#bY", one entry a line

The entries, their order and where each one's marker goes are in
world_map_entries.txt beside this file.

What it needs, installed by drawing_setup.py when missing:
  - Debian 12: python3-pil (Pillow 9.4.0), fonts-dejavu-extra (2.37),
    hamradio-files, nodejs and npm (only if node/npm are not on the PATH);
  - npm: world-atlas@2.0.2 and topojson-client@3.1.0 into /tmp/qvk-worldmap
    (a scratch folder, never this repository).

Map data: Natural Earth 1:50m admin-0 countries (public domain) through the
npm package world-atlas; tools/make_world_map.mjs turns its TopoJSON into
plain rings. Entity positions: /usr/share/hamradio-files/cty.csv (MIT
licence; longitudes there are positive WEST), plus the small PLACES table
below for entries that the file does not carry.

The projection is Robinson's, centred on 10 deg E so that the Pacific seam
lies at 170 deg W, squeezed vertically by 3 percent; its centre and scales
were fitted to the marker positions that the window's list fixes (Malta,
Svalbard, Spratly, Guadeloupe, the USA). Every computed list position comes
from the same project() that draws the map. The run prints where the fixed
markers land against their places; -v adds every computed position, and
WORLD_MAP_DEBUG=1 names the countries that found no room for a label.
"""

import json
import math
import os
import subprocess
import sys

from drawing_setup import (dejavu, ensure_debian_packages, ensure_npm_packages, save_gif,  # noqa: E402
                           warn_if_untested_pillow)

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
OUT_DIR = "src/ui/worldmap/resources"
ENTRIES_FILE = os.path.join(TOOLS, "world_map_entries.txt")
SCRATCH = "/tmp/qvk-worldmap"
NPM_PACKAGES = {"world-atlas": "2.0.2", "topojson-client": "3.1.0"}
CTY_CSV = "/usr/share/hamradio-files/cty.csv"

ensure_debian_packages("DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Oblique.ttf", node=True,
                       data_files={"hamradio-files": CTY_CSV})
ensure_npm_packages(SCRATCH, NPM_PACKAGES)

from PIL import Image, ImageChops, ImageDraw, ImageFilter  # noqa: E402

warn_if_untested_pillow("the map")


# --------------------------------------------------------------------------
# Data

def load_world():
    out = subprocess.run(["node", os.path.join(TOOLS, "make_world_map.mjs"),
                          SCRATCH], check=True, capture_output=True).stdout
    return json.loads(out)


def load_cty():
    """Prefix -> (latitude, longitude east-positive) from the country file."""
    places = {}
    with open(CTY_CSV, encoding="utf-8") as f:
        for row in f:
            cols = row.split(",")
            places[cols[0].lstrip("*")] = (float(cols[6]), -float(cols[7]))
    return places


# --------------------------------------------------------------------------
# Projection

W, H = 1133, 556          # picture size
LON0 = 10.0               # central meridian, degrees east
RX, RY = 212.0, 205.5     # Robinson radius across and down, pixels
CX, CY = 566.5, 281.0     # picture point of (0 N, LON0)

# Robinson's table every 5 degrees, padded by one entry at each end.
ROB_X = [0.9986, 1.0000, 0.9986, 0.9954, 0.9900, 0.9822, 0.9730, 0.9600, 0.9427,
         0.9216, 0.8962, 0.8679, 0.8350, 0.7986, 0.7597, 0.7186, 0.6732, 0.6213,
         0.5722, 0.5322, 0.4922]
ROB_Y = [-0.0620, 0.0000, 0.0620, 0.1240, 0.1860, 0.2480, 0.3100, 0.3720, 0.4340,
         0.4958, 0.5571, 0.6176, 0.6769, 0.7346, 0.7903, 0.8435, 0.8936, 0.9394,
         0.9761, 1.0000, 1.0239]


def robinson(table, lat):
    """Four-point Lagrange interpolation of a Robinson table at |lat|."""
    a = min(abs(lat), 90.0) / 5.0
    i = min(int(a), 17)
    t = a - i
    p0, p1, p2, p3 = table[i:i + 4]
    return (p0 * -t * (t - 1) * (t - 2) / 6 + p1 * (t + 1) * (t - 1) * (t - 2) / 2
            - p2 * (t + 1) * t * (t - 2) / 2 + p3 * (t + 1) * t * (t - 1) / 6)


def project(lat, lon):
    """Picture point (continuous, pixel i spans i..i+1) of a place; lon is
    taken relative to LON0 as given, so callers may pass values beyond +-180."""
    x = CX + 0.8487 * RX * robinson(ROB_X, lat) * math.radians(lon)
    y = CY - math.copysign(1.3523 * RY * robinson(ROB_Y, lat), lat)
    return x, y


def rel_lon(lon):
    """Longitude relative to the central meridian, in -180..180."""
    return (lon - LON0 + 180.0) % 360.0 - 180.0


def place_pixel(lat, lon):
    x, y = project(lat, rel_lon(lon))
    return math.floor(x), math.floor(y)


# --------------------------------------------------------------------------
# The search list (world_map_entries.txt says how its rows read)

CARIBBEAN_TAIL = "#c313#d211"

PLACES = {  # latitude, longitude (east positive)
    "St. Brandon": (-16.45, 59.62),
    "Juan de Nova & Europa": (-19.70, 41.55),
    "Palmyra & Jarvis": (2.75, -161.05),
    "Kingman Reef": (6.40, -162.40),
    "Neth. Antilles": (12.20, -68.60),        # Bonaire and Curacao
    "Malyj Vysotskij": (60.63, 28.57),
    "Nicobar Islands": (8.00, 93.50),
    "Yugoslavia": (44.00, 20.90),             # Serbia and Montenegro
    "Canada": (56.00, -100.00),               # the file gives southern Ontario
}

# Marker geometry of the window: an arrow's tip lies at (x + 1, y - 6) of its
# tail numbers and the arrow reaches 90 pixels to the left of x; a square's
# top-left corner lies at (x + 4, y) and it is 33 wide. Markers are kept on
# the picture (clamped, never wrapped round).
ARROW_X_MIN, X_MAX, Y_MIN, Y_MAX = 90, 1101, 26, 537
SQUARE_X_MAX, SQUARE_Y_MAX = W - 37, H - 33


def clamp(v, lo, hi):
    return max(lo, min(hi, v))


def arrow_tail(px, py):
    return f"#a{clamp(px - 1, ARROW_X_MIN, X_MAX)}#b{clamp(py + 6, Y_MIN, Y_MAX):03d}"


def square_tail(px, py):
    return f"#c{clamp(px - 20, 0, SQUARE_X_MAX)}#d{clamp(py - 16, Y_MIN, SQUARE_Y_MAX):03d}"


def parse_tail(tail):
    """(kind, anchor x, anchor y) of a tail: kind 'a' arrow or 'c' square."""
    kind = tail[1]
    x, y = tail[2:].split("#b" if kind == "a" else "#d")
    return kind, int(x), int(y)


def marker_point(tail):
    """Picture point that a tail marks: the arrow's tip or the square's centre."""
    kind, x, y = parse_tail(tail)
    return (x + 1, y - 6) if kind == "a" else (x + 4 + 16, y + 16)


def read_entries():
    """(shown text, placement) of every row of the entries file."""
    with open(ENTRIES_FILE, encoding="utf-8") as f:
        rows = [row.strip() for row in f]
    return [tuple(s.strip() for s in row.split("|")) for row in rows if row and not row.startswith("#")]


def build_search_list(cty):
    lines, report = [], []
    for shown, placement in read_entries():
        words = placement.split()
        if words[0] == "fixed":
            lines.append(f"{shown}   {words[1]}")
            continue
        caribbean = words[0] == "caribbean"
        square = words[-1] == "square"
        key = " ".join(words[caribbean:len(words) - square])
        lat, lon = PLACES[key] if key in PLACES else cty[key]
        px, py = place_pixel(lat, lon)
        if caribbean:
            tail = CARIBBEAN_TAIL
        else:
            tail = (square_tail if square else arrow_tail)(px, py)
        report.append((shown, (lat, lon), tail))
        lines.append(f"{shown}   {tail}")
    return lines, report


# --------------------------------------------------------------------------
# Drawing

S = 2                                # drawn at twice the size, then reduced
SEA = (226, 226, 246)                # pale lavender
LAND = (234, 210, 160)               # tan
PAPER = (252, 251, 247)              # outside the oval
COAST = (92, 84, 112)
BORDER = (150, 112, 86)
GRID = (168, 170, 208)
EQUATOR = (84, 92, 170)
FRAME = (70, 70, 100)
TEXT = (40, 32, 24)
SEA_TEXT = (70, 84, 150)


def unwrap(points):
    """[(lat, relative lon)] along a line, without jumps across the seam."""
    out, prev = [], None
    for lon, lat in points:
        r = rel_lon(lon)
        if prev is not None:
            r = prev + (r - prev + 180.0) % 360.0 - 180.0
        out.append((lat, r))
        prev = r
    return out


def copies(points):
    """The line at each whole-turn shift that can show inside the oval."""
    lo = min(p[1] for p in points)
    hi = max(p[1] for p in points)
    for shift in (-360.0, 0.0, 360.0):
        if lo + shift < 180.0 and hi + shift > -180.0:
            yield [(lat, lon + shift) for lat, lon in points]


def to_image(points):
    return [tuple(S * v for v in project(lat, lon)) for lat, lon in points]


def ring_polygons(ring):
    """Image polygons of one ring; a ring that goes round a pole is cut at
    the seam and closed along the pole line."""
    pts = unwrap(ring)
    turn = pts[-1][1] - pts[0][1]
    if abs(turn) < 180.0:
        return [to_image(p) for p in copies(pts)]
    # Round the pole: start the ring where it crosses the seam.
    step = 1.0 if turn > 0 else -1.0
    pts = pts[:-1]
    n = len(pts)
    ext = pts + [(lat, lon + turn) for lat, lon in pts]
    if step > 0:
        seam = 360.0 * math.ceil((pts[0][1] + 180.0) / 360.0) - 180.0
    else:
        seam = 360.0 * math.floor((pts[0][1] - 180.0) / 360.0) + 180.0
    for i in range(n):
        (la1, lo1), (la2, lo2) = ext[i], ext[i + 1]
        if (lo1 - seam) * step <= 0 < (lo2 - seam) * step:
            lat = la1 + (la2 - la1) * (seam - lo1) / (lo2 - lo1)
            body = [(lat, seam)] + ext[i + 1:i + 1 + n] + [(lat, seam + turn)]
            break
    shift = -seam - 180.0 * step        # make the seam -180 (or +180 going west)
    pole = math.copysign(90.0, sum(p[0] for p in pts))
    body = [(la, lo + shift) for la, lo in body]
    body += [(pole, body[-1][1]), (pole, body[0][1])]
    return [to_image(body)]


def oval_outline(steps=180):
    right = [(90.0 - 180.0 * i / steps, 180.0) for i in range(steps + 1)]
    left = [(-90.0 + 180.0 * i / steps, -180.0) for i in range(steps + 1)]
    return to_image(right + left)


def draw_map(world):
    size = (W * S, H * S)
    oval = Image.new("1", size, 0)
    ImageDraw.Draw(oval).polygon(oval_outline(), fill=1)

    land = Image.new("1", size, 0)
    ids = Image.new("L", (W, H), 0)      # country index + 1, for the labels
    groups = []
    for country in world["countries"]:
        if country["group"] not in groups:
            groups.append(country["group"])
        mask = Image.new("1", size, 0)
        for polygon in country["polygons"]:
            part = Image.new("1", size, 0)
            for ring in polygon:         # outer ring and holes, even-odd
                one = Image.new("1", size, 0)
                for poly in ring_polygons(ring):
                    ImageDraw.Draw(one).polygon(poly, fill=1)
                part = ImageChops.logical_xor(part, one)
            mask = ImageChops.logical_or(mask, part)
        mask = ImageChops.logical_and(mask, oval)
        land = ImageChops.logical_or(land, mask)
        ids.paste(groups.index(country["group"]) + 1,
                  mask=mask.resize((W, H), Image.NEAREST))

    img = Image.new("RGB", size, PAPER)
    img.paste(SEA, mask=oval)
    img.paste(LAND, mask=land)
    ground = img.resize((W, H), Image.BOX)     # what labels clear their rims to

    def stroke(lines, colour, width):
        layer = Image.new("L", size, 0)
        d = ImageDraw.Draw(layer)
        for pts in lines:
            for copy in copies(pts):
                d.line(to_image(copy), fill=255, width=width, joint="curve")
        img.paste(colour, mask=ImageChops.multiply(layer, oval.convert("L")))

    meridians = [[(lat, rel_lon(m)) for lat in range(-90, 91)]
                 for m in range(-180, 180, 30)]
    parallels = [[(p, lon) for lon in range(-180, 181, 2)] for p in (-60, -30, 30, 60)]
    stroke(meridians + parallels, GRID, 2)
    stroke([[(0, lon) for lon in range(-180, 181, 2)]], EQUATOR, 3)

    def lines(name, drop_pole):
        out = []
        for line in world[name]:
            run = []
            for lon, lat in line:
                if drop_pole and lat <= -89.99:
                    if len(run) > 1:
                        out.append(unwrap(run))
                    run = []
                else:
                    run.append((lon, lat))
            if len(run) > 1:
                out.append(unwrap(run))
        return out

    stroke(lines("borders", False), BORDER, 2)
    stroke(lines("coast", True), COAST, 2)
    ImageDraw.Draw(img).line(oval_outline() + [oval_outline()[0]], fill=FRAME,
                             width=3, joint="curve")
    return img.resize((W, H), Image.BOX), ground, ids, groups


# --------------------------------------------------------------------------
# Labels

LABEL_NAMES = {  # Natural Earth short names, spelled out where room allows
    "United States of America": "UNITED STATES",
    "Dem. Rep. Congo": "DEM. REP. CONGO",
    "Central African Rep.": "CENTRAL AFRICAN REP.",
    "Bosnia and Herz.": "BOSNIA",
    "Fr. S. Antarctic Lands": "KERGUELEN",
    "S. Geo. and the Is.": "S. GEORGIA",
    "eSwatini": "ESWATINI",
    "W. Sahara": "W. SAHARA",
    "Eq. Guinea": "EQ. GUINEA",
    "Antarctica": "A N T A R C T I C A",
}
ISLANDS = {  # lands whose names may run out over the sea a little
    "Indonesia", "Japan", "Philippines", "New Zealand", "United Kingdom",
    "Iceland", "Papua New Guinea", "Madagascar", "Cuba", "Sri Lanka", "Malaysia",
    "Taiwan", "Ireland", "Vanuatu",
    "Solomon Is.", "Fiji", "New Caledonia",
}
SKIP_LABELS = {"Siachen Glacier", "Ashmore and Cartier Is.", "Indian Ocean Ter.",
               "Heard I. and McDonald Is.", "Br. Indian Ocean Ter."}

OCEANS = [  # text, latitude, longitude (east positive), size
    ("PACIFIC OCEAN", 8, -128, 13),
    ("PACIFIC OCEAN", -33, 168, 11),
    ("ATLANTIC OCEAN", 31, -46, 12),
    ("ATLANTIC OCEAN", -28, -16, 12),
    ("INDIAN OCEAN", -28, 80, 13),
    ("ARCTIC OCEAN", 82, -150, 10),
    ("SOUTHERN OCEAN", -58, -110, 11),
    ("SOUTHERN OCEAN", -56, 90, 11),
]


class Labeller:
    def __init__(self, img, ground, ids):
        self.img, self.ground = img, ground
        self.pen = ImageDraw.Draw(img)
        self.ids = ids.load()
        self.taken = []
        self.masks = {}
        self.fonts = {}

    def font(self, name, size):
        if (name, size) not in self.fonts:
            self.fonts[name, size] = dejavu(name, size)
        return self.fonts[name, size]

    def free(self, box):
        x0, y0, x1, y1 = box
        return all(x1 < a or x0 > c or y1 < b or y0 > d for a, b, c, d in self.taken)

    def draw(self, x0, y0, mask, colour):
        """Paints a label on a soft rim of bare ground (land or sea without
        lines), so that lines under it do not cut through the letters."""
        rim = mask.filter(ImageFilter.MaxFilter(3)).point(lambda v: v * 3 // 5)
        box = (x0, y0, x0 + mask.width, y0 + mask.height)
        self.img.paste(self.ground.crop(box), box, rim)
        self.img.paste(colour, (x0, y0), mask)
        self.taken.append((x0 - 2, y0 - 1, x0 + mask.width + 1, y0 + mask.height))

    def put(self, text, font, cx, cy, colour):
        mask, _ = self.shape(text, font)
        self.draw(round(cx - mask.width / 2), round(cy - mask.height / 2), mask, colour)

    def shape(self, text, font, angle=0):
        """A label's coverage mask (turned counter-clockwise by angle degrees)
        and the pixels next to or under its letters, as offsets."""
        key = (text, font, angle)
        if key not in self.masks:
            l, t, r, b = self.pen.multiline_textbbox((0, 0), text, font=font,
                                                      spacing=0, align="center")
            mask = Image.new("L", (math.ceil(r) + 2, math.ceil(b) + 2), 0)
            ImageDraw.Draw(mask).multiline_text((1, 1), text, font=font, fill=255,
                                                     spacing=0, align="center")
            if angle:
                mask = mask.rotate(angle, resample=Image.BICUBIC, expand=True)
            mask = mask.crop(mask.getbbox())
            near = mask.filter(ImageFilter.MaxFilter(3)).tobytes()
            ink = [(i % mask.width, i // mask.width) for i, v in enumerate(near) if v > 64]
            self.masks[key] = (mask, ink[::2])
        return self.masks[key]

    def penalty(self, x0, y0, ink, value, sea_share):
        """How much of a label lies off its country, or None when too much."""
        neighbour = sea = 0
        most_neighbour, most_sea = len(ink) // 10, int(len(ink) * sea_share)
        ids = self.ids
        for dx, dy in ink:
            x, y = x0 + dx, y0 + dy
            if not (0 <= x < W and 0 <= y < H):
                return None
            v = ids[x, y]
            if v != value:
                if v == 0:
                    sea += 1
                    if sea > most_sea:
                        return None
                else:
                    neighbour += 1
                    if neighbour > most_neighbour:
                        return None
        return (neighbour + 3 * sea) * 100 // len(ink)

    def place(self, shapes, order, value, sea_share):
        """Puts the first shape that finds room, at its best point near the
        middle of the country; returns whether one did."""
        for mask, ink in shapes:
            best = None
            for px, py, dist in order:
                if best is not None and dist >= best[0]:
                    break
                x0, y0 = px - mask.width // 2, py - mask.height // 2
                box = (x0, y0, x0 + mask.width - 1, y0 + mask.height - 1)
                cost = self.penalty(x0, y0, ink, value, sea_share)
                if cost is not None and self.free(box) and \
                        (best is None or dist + cost < best[0]):
                    best = (dist + cost, x0, y0, box)
            if best:
                self.draw(best[1], best[2], mask, TEXT)
                return True
        return False

    def country(self, text, value, pixels, font_name, sizes, island):
        n = len(pixels)
        cx = sum(p[0] for p in pixels) / n
        cy = sum(p[1] for p in pixels) / n
        order = sorted((x, y, round(math.hypot(x + 0.5 - cx, y + 0.5 - cy) / 2))
                       for x, y in pixels)
        order.sort(key=lambda p: p[2])
        order = order[::max(1, n // 1500)]
        # Long narrow lands may take their name along their main axis rather
        # than in the smallest letters.
        sxx = sum((p[0] - cx) ** 2 for p in pixels) / n
        syy = sum((p[1] - cy) ** 2 for p in pixels) / n
        sxy = sum((p[0] - cx) * (p[1] - cy) for p in pixels) / n
        angle = -round(math.degrees(0.5 * math.atan2(2 * sxy, sxx - syy)))
        if angle < -75:
            angle += 180                 # read upwards rather than downwards
        spread = math.hypot(sxx - syy, 2 * sxy)
        long_, short = (sxx + syy + spread) / 2, (sxx + syy - spread) / 2
        turn = abs(angle) >= 20 and long_ >= 6.0 * max(short, 0.1)
        shapes = []
        for size in sizes:
            font = self.font(font_name, size)
            if turn and size == 7:
                shapes += [self.shape(text, self.font(font_name, s), angle)
                           for s in (9, 8)]
            shapes.append(self.shape(text, font))
            words = text.split(" ")
            if len(words) > 1 and "  " not in text:
                cut = min(range(1, len(words)), key=lambda i: abs(
                    len(" ".join(words[:i])) - len(" ".join(words[i:]))))
                shapes.append(self.shape(" ".join(words[:cut]) + "\n" +
                                         " ".join(words[cut:]), font))
        return self.place(shapes, order, value, 0.05) or \
            (island and self.place(shapes, order, value, 0.35))


def draw_labels(img, ground, ids, groups):
    lab = Labeller(img, ground, ids)
    # Oceans first, on their fixed places.
    for text, lat, lon, size in OCEANS:
        x, y = project(lat, rel_lon(lon))
        lab.put(" ".join(text), lab.font("DejaVuSansCondensed-Oblique.ttf", size),
                x, y, SEA_TEXT)
    x, y = project(0, rel_lon(-28))
    lab.put("EQUATOR", lab.font("DejaVuSansCondensed-Oblique.ttf", 9), x, y - 6, EQUATOR)

    pixels = {}
    data = ids.tobytes()
    for i, v in enumerate(data):
        if v:
            pixels.setdefault(v, []).append((i % W, i // W))
    placed = 0
    for value in sorted(pixels, key=lambda v: (-len(pixels[v]), v)):
        name = groups[value - 1]
        if name in SKIP_LABELS:
            continue
        area = len(pixels[value])
        top = 14 if area > 15000 else 12 if area > 4000 else 11 if area > 1200 else 10
        sizes = [s for s in (14, 12, 11, 10, 9, 8, 7) if s <= top]
        text = LABEL_NAMES.get(name, name.upper())
        if area > 15000 and " " not in text:
            text = " ".join(text)        # spaced letters across the large ones
        if lab.country(text, value, pixels[value], "DejaVuSansCondensed.ttf", sizes,
                       name in ISLANDS):
            placed += 1
        elif area > 150 and os.environ.get("WORLD_MAP_DEBUG"):
            print("no room for", name, area, file=sys.stderr)
    return placed, lab


def draw_scale_note(img, lab):
    km_per_px = 40075.017 / (2 * math.pi * 0.8487 * RX)
    scale = round(km_per_px * 1e6 / (25.4 / 96) / 1e6) * 1e6   # at 96 dots per inch
    font = lab.font("DejaVuSansCondensed.ttf", 10)
    d = lab.pen
    x0, y0 = 6, H - 62
    d.text((x0, y0), "Robinson projection", font=font, fill=TEXT)
    d.text((x0, y0 + 12), "Scale at the equator", font=font, fill=TEXT)
    d.text((x0, y0 + 24), f"1:{scale:,.0f} (96 dpi)", font=font, fill=TEXT)
    bar = 2000 / km_per_px
    yb = y0 + 44
    d.rectangle((x0, yb, x0 + bar / 2, yb + 3), fill=TEXT)
    d.rectangle((x0 + bar / 2, yb, x0 + bar, yb + 3), outline=TEXT, fill=PAPER)
    for km, xx in ((0, x0), (1000, x0 + bar / 2), (2000, x0 + bar)):
        d.text((xx, yb - 1), f"{km}", font=lab.font("DejaVuSansCondensed.ttf", 8),
               fill=TEXT, anchor="mb")
    d.text((x0 + bar + 5, yb + 4), "km", font=lab.font("DejaVuSansCondensed.ttf", 8),
           fill=TEXT, anchor="ls")
    return scale


# --------------------------------------------------------------------------

TELLING = {  # entry: (latitude, longitude) of the place its fixed marker means
    "1A0  Malta": (35.88, 14.42),
    "1S  Spratly Island": (9.88, 114.23),
    "K  United States of America": (39.83, -98.58),
    "W  United States": (39.83, -98.58),
    "KH3  Johnston Island": (16.72, -169.53),
    "KC4  Antarctica": None,
    "JW  Svalbard": (78.00, 16.00),
    "5W  Samoa": (-13.93, -171.70),
    "FG  Guadeloupe": (16.13, -61.67),
    "V7  Marshall Island": (9.08, 167.33),
}


def check_gif(path):
    """The window expects a plain GIF87a: 256 colours, one frame, not interlaced."""
    with open(path, "rb") as f:
        data = f.read()
    assert data[:6] == b"GIF87a", data[:6]
    assert data[6:10] == bytes((W & 255, W >> 8, H & 255, H >> 8))
    flags = data[10]
    assert flags & 0x80 and (flags & 7) == 7           # global table of 256
    pos = 13 + 3 * 256
    assert data[pos] == 0x2C, "no extension blocks expected"
    assert not data[pos + 9] & 0x40, "interlaced"


def main():
    cty = load_cty()
    lines, report = build_search_list(cty)
    assert len(set(line.split("   #")[0] for line in lines)) == len(lines), "two entries read alike"

    world = load_world()
    img, ground, ids, groups = draw_map(world)
    placed, lab = draw_labels(img, ground, ids, groups)
    scale = draw_scale_note(img, lab)

    gif_path = save_gif(img, ROOT, f"{OUT_DIR}/world_map.gif", interlace=False, optimize=False)
    check_gif(gif_path)
    with open(os.path.join(ROOT, OUT_DIR, "dxcc_search_list.txt"), "w",
              encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")

    # What a reviewer wants to know.
    arrows = sum("#a" in l for l in lines)
    shared = [r for r in report if r[2] == CARIBBEAN_TAIL]
    for shown, (lat, lon), tail in shared:
        mx, my = marker_point(tail)
        px, py = place_pixel(lat, lon)
        assert max(abs(mx - px), abs(my - py)) <= 14, f"{shown} is not in its square"
    print(f"world_map.gif: {os.path.getsize(gif_path)} bytes, {placed} country "
          f"labels, scale 1:{scale:,.0f}")
    print(f"dxcc_search_list.txt: {len(lines)} entries, {arrows} arrows, "
          f"{len(lines) - arrows} squares")
    print("fixed rows: marker point, the place's own pixel, difference, ground")
    for line in lines:
        shown, tail = line.split("   ")
        if shown in TELLING:
            mx, my = marker_point(tail)
            value = ids.getpixel((mx, my))
            under = groups[value - 1] if value else "sea"
            where = TELLING[shown]
            if where is None:
                print(f"  {shown:30s} {mx:5d},{my:4d}  {'':21s}on {under}")
                continue
            px, py = place_pixel(*where)
            print(f"  {shown:30s} {mx:5d},{my:4d}  {px:5d},{py:4d}  "
                  f"{mx - px:+4d},{my - py:+4d}  on {under}")
    if "-v" in sys.argv:
        for shown, (lat, lon), tail in report:
            px, py = place_pixel(lat, lon)
            mx, my = marker_point(tail)
            print(f"  {shown:45s} {lat:7.2f} {lon:8.2f}  {px:5d},{py:4d}  {tail:12s}"
                  f" off {mx - px:+4d},{my - py:+4d}")


if __name__ == "__main__":
    main()
