#!/usr/bin/python3
"""Draws "US Call Areas", the map shown by the US Call Map window.

Usage (from the repository root):

    /usr/bin/python3 tools/make_call_area_map.py

Writes data/Zones.gif (800 x 520 pixels): the lower 48 states coloured and
labelled by their call-area digit, Alaska (KL7) and Hawaii (KH6) as insets,
and a legend of the states in each area.

What it needs, installed by the script itself when missing:
  - Debian 12: python3-pil (Pillow 9.4.0), fonts-dejavu-core (2.37), nodejs and npm
    (apt-get, as root or through sudo);
  - npm: us-atlas@3.0.1 (state outlines from the US Census Bureau) and
    topojson-client@3.1.0, installed into /tmp/qvk-usmap (or $QVK_USMAP_DIR),
    never into the repository.
make_call_area_map.mjs (beside this file) turns the TopoJSON into plain outlines;
this script draws them. The output is deterministic for the versions above.
"""

import json
import os
import subprocess

from drawing_setup import (dejavu as font, ensure_debian_packages, ensure_npm_packages, save_gif,  # noqa: E402
                           warn_if_untested_pillow)

NPM_PACKAGES = {"us-atlas": "3.0.1", "topojson-client": "3.1.0"}
NPM_DIR = os.environ.get("QVK_USMAP_DIR", "/tmp/qvk-usmap")

ensure_debian_packages("DejaVuSans.ttf", node=True)
ensure_npm_packages(NPM_DIR, NPM_PACKAGES)

from PIL import Image, ImageDraw, ImageFilter  # noqa: E402

warn_if_untested_pillow("the map")

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(TOOLS)
OUTPUT = "data/Zones.gif"
WIDTH, HEIGHT = 800, 520
GIF_COMMENT = b"US Call Areas; state outlines: US Census Bureau, via npm us-atlas 3.0.1"

# ---------------------------------------------------------------------------
# The states: census (FIPS) code, postal code and call area. Alaska and Hawaii
# keep their own prefixes, KL7 and KH6, and are drawn as insets.

STATES = {
    "09": ("CT", "1"), "23": ("ME", "1"), "25": ("MA", "1"), "33": ("NH", "1"),
    "44": ("RI", "1"), "50": ("VT", "1"),
    "34": ("NJ", "2"), "36": ("NY", "2"),
    "10": ("DE", "3"), "24": ("MD", "3"), "42": ("PA", "3"), "11": ("DC", "3"),
    "01": ("AL", "4"), "12": ("FL", "4"), "13": ("GA", "4"), "21": ("KY", "4"),
    "37": ("NC", "4"), "45": ("SC", "4"), "47": ("TN", "4"), "51": ("VA", "4"),
    "05": ("AR", "5"), "22": ("LA", "5"), "28": ("MS", "5"), "35": ("NM", "5"),
    "40": ("OK", "5"), "48": ("TX", "5"),
    "06": ("CA", "6"),
    "04": ("AZ", "7"), "16": ("ID", "7"), "30": ("MT", "7"), "32": ("NV", "7"),
    "41": ("OR", "7"), "49": ("UT", "7"), "53": ("WA", "7"), "56": ("WY", "7"),
    "26": ("MI", "8"), "39": ("OH", "8"), "54": ("WV", "8"),
    "17": ("IL", "9"), "18": ("IN", "9"), "55": ("WI", "9"),
    "08": ("CO", "0"), "19": ("IA", "0"), "20": ("KS", "0"), "27": ("MN", "0"),
    "29": ("MO", "0"), "31": ("NE", "0"), "38": ("ND", "0"), "46": ("SD", "0"),
    "02": ("AK", "KL7"), "15": ("HI", "KH6"),
}

STATES_BY_CODE = {code: area for code, area in STATES.values()}

AREA_ORDER = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0"]

# Ten soft colours; areas that touch get clearly different ones.
AREA_COLOURS = {
    "1": (251, 128, 114),   # salmon
    "2": (128, 177, 211),   # blue
    "3": (229, 196, 148),   # tan
    "4": (179, 222, 105),   # green
    "5": (253, 180, 98),    # orange
    "6": (252, 205, 229),   # pink
    "7": (190, 186, 218),   # lavender
    "8": (141, 211, 199),   # teal
    "9": (200, 140, 200),   # mauve
    "0": (255, 237, 111),   # yellow
    "KL7": (205, 216, 222),
    "KH6": (205, 216, 222),
}

BACKGROUND = (246, 243, 235)
INK = (30, 30, 40)
NAVY = (0, 0, 128)
STATE_LINE = (105, 100, 95)
AREA_LINE = (40, 36, 40)
FRAME = (120, 112, 96)

# Map units (the 975 x 610 frame of us-atlas) to pixels for the lower 48.
SCALE = 0.76
ORIGIN = (-5.0, 24.0)

# Insets: the frame of us-atlas already has Alaska and Hawaii below the West;
# each is fitted into a box of its own (pixels: left, top, right, bottom).
INSETS = {
    "02": {"box": (8, 392, 190, 512), "title": "KL7", "name": "Alaska"},
    "15": {"box": (196, 444, 288, 512), "title": "KH6", "name": "Hawaii"},
}
INSET_TITLE_H = 16  # room above the shape for the prefix

# States too small for a label inside get it outside, joined by a leader line:
# label centre, and the leader's start where the most interior point would not
# do (Maryland's on the Eastern Shore, so that no leader crosses another), in pixels.
CALLOUTS = {
    "MA": ((766, 144), None), "RI": ((766, 161), None), "CT": ((766, 188), None),
    "NJ": ((766, 205), None), "DE": ((766, 221), (644, 222)),
    "MD": ((766, 238), (645, 233.5)), "DC": ((716, 268), None),
}

# Narrow states take a smaller label inside.
SMALL_LABELS = {"VT", "NH"}

# Label anchors moved by hand where the most interior point reads poorly (pixels).
LABEL_NUDGE = {
    "FL": (9, 4), "MI": (6, 6), "LA": (-7, -3), "ID": (-3, 10), "CA": (-6, 2),
    "VA": (6, 0), "KY": (6, -1), "NY": (6, 2), "VT": (-1, -4), "NH": (0, 2),
    "WV": (-2, 0), "ME": (0, 2), "OK": (10, -3), "TX": (0, -6),
}

SUPERSAMPLE = 4


TITLE_FONT = font("DejaVuSans-Bold.ttf", 20)
DIGIT_FONT = font("DejaVuSans-Bold.ttf", 16)
CODE_FONT = font("DejaVuSans.ttf", 9)
SMALL_DIGIT_FONT = font("DejaVuSans-Bold.ttf", 12)
SMALL_CODE_FONT = font("DejaVuSans.ttf", 8)
CALLOUT_FONT = font("DejaVuSans-Bold.ttf", 10)
LEGEND_FONT = font("DejaVuSans.ttf", 10)
LEGEND_BOLD = font("DejaVuSans-Bold.ttf", 11)
INSET_FONT = font("DejaVuSans-Bold.ttf", 12)


def load_outlines():
    groups = {fips: area for fips, (_, area) in STATES.items()}
    result = subprocess.run(
        ["node", os.path.join(TOOLS, "make_call_area_map.mjs"), NPM_DIR, json.dumps(groups)],
        check=True, capture_output=True)
    return json.loads(result.stdout)


def lower_48(p):
    return ORIGIN[0] + SCALE * p[0], ORIGIN[1] + SCALE * p[1]


def inset_projector(state):
    """Fits the state into its inset box, below the box's title, keeping its shape."""
    points = [p for polygon in state["polygons"] for p in polygon[0]]
    x0, x1 = min(x for x, _ in points), max(x for x, _ in points)
    y0, y1 = min(y for _, y in points), max(y for _, y in points)
    left, top, right, bottom = INSETS[state["id"]]["box"]
    top += INSET_TITLE_H
    pad = 6
    s = min((right - left - 2 * pad) / (x1 - x0), (bottom - top - 2 * pad) / (y1 - y0))
    ox = (left + right) / 2 - s * (x0 + x1) / 2
    oy = (top + bottom) / 2 - s * (y0 + y1) / 2
    return lambda p: (ox + s * p[0], oy + s * p[1])


def projector(state):
    """Returns the function that maps a state's us-atlas point to pixels."""
    return inset_projector(state) if state["id"] in INSETS else lower_48


def text_size(text, fnt):
    left, top, right, bottom = fnt.getbbox(text)
    return right - left, bottom - top


def draw_centred(draw, centre, text, fnt, fill):
    """Draws text with its ink box centred on the point."""
    left, top, right, bottom = fnt.getbbox(text)
    x = round(centre[0] - (left + right) / 2)
    y = round(centre[1] - (top + bottom) / 2)
    draw.text((x, y), text, font=fnt, fill=fill)


def interior_point(polygons):
    """The point of the state's largest part that lies deepest inside it (pixels).

    The part is rasterised and eroded until nothing is left; the last pixels
    standing are the furthest from its edges, a good place for a label.
    """
    def area(ring):
        return abs(sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(ring, ring[1:] + ring[:1]))) / 2

    rings = max(polygons, key=lambda poly: area(poly[0]))
    xs = [x for x, _ in rings[0]]
    ys = [y for _, y in rings[0]]
    x0, y0 = int(min(xs)) - 2, int(min(ys)) - 2
    w, h = int(max(xs)) - x0 + 3, int(max(ys)) - y0 + 3
    mask = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(mask)
    d.polygon([(x - x0, y - y0) for x, y in rings[0]], fill=255)
    for hole in rings[1:]:
        d.polygon([(x - x0, y - y0) for x, y in hole], fill=0)
    while True:
        smaller = mask.filter(ImageFilter.MinFilter(3))
        if smaller.getbbox() is None:
            break
        mask = smaller
    left, top, right, bottom = mask.getbbox()
    pixels = [(x, y) for y in range(top, bottom) for x in range(left, right) if mask.getpixel((x, y))]
    cx = sum(x for x, _ in pixels) / len(pixels)
    cy = sum(y for _, y in pixels) / len(pixels)
    # The pixel of the last ones nearest to their centre.
    px, py = min(pixels, key=lambda p: ((p[0] - cx) ** 2 + (p[1] - cy) ** 2, p))
    return x0 + px + 0.5, y0 + py + 0.5


def label_anchors(data):
    """The point each state of the lower 48 is labelled at, or its leader starts from."""
    anchors = {}
    for state in data["states"]:
        code, _ = STATES[state["id"]]
        if state["id"] in INSETS:
            continue
        if code in CALLOUTS and CALLOUTS[code][1]:
            anchors[code] = CALLOUTS[code][1]
            continue
        polygons = [[[lower_48(p) for p in ring] for ring in poly] for poly in state["polygons"]]
        x, y = interior_point(polygons)
        nx, ny = LABEL_NUDGE.get(code, (0, 0))
        anchors[code] = (x + nx, y + ny)
    return anchors


def callout_text(code):
    return f"{STATES_BY_CODE[code]} {code}"


def leader_end(code):
    """The end of a callout's leader: the middle of the label's side facing the state."""
    (lx, ly), _ = CALLOUTS[code]
    w, _ = text_size(callout_text(code), CALLOUT_FONT)
    return lx - w / 2 - 3, ly


def draw_shapes(data, anchors):
    """Fills and outlines every state at a finer scale; returns the picture at full size."""
    s = SUPERSAMPLE
    big = Image.new("RGB", (WIDTH * s, HEIGHT * s), BACKGROUND)
    d = ImageDraw.Draw(big)

    for inset in INSETS.values():
        x0, y0, x1, y1 = inset["box"]
        d.rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], fill=(236, 240, 243), outline=FRAME, width=s)

    def scaled(points, project):
        return [(project(p)[0] * s, project(p)[1] * s) for p in points]

    for state in data["states"]:
        _, area = STATES[state["id"]]
        project = projector(state)
        for polygon in state["polygons"]:
            d.polygon(scaled(polygon[0], project), fill=AREA_COLOURS[area])
            for hole in polygon[1:]:
                d.polygon(scaled(hole, project), fill=BACKGROUND)
            if state["id"] in INSETS:
                d.line(scaled(polygon[0], project), fill=AREA_LINE, width=s, joint="curve")

    for line in data["stateBorders"]:
        d.line(scaled(line, lower_48), fill=STATE_LINE, width=s, joint="curve")
    for line in data["coast"]:
        d.line(scaled(line, lower_48), fill=AREA_LINE, width=s, joint="curve")
    for line in data["areaBorders"]:
        d.line(scaled(line, lower_48), fill=AREA_LINE, width=2 * s, joint="curve")

    for code in CALLOUTS:
        (ax, ay), (ex, ey) = anchors[code], leader_end(code)
        d.line([ax * s, ay * s, ex * s, ey * s], fill=INK, width=s)
        r = 1.6 * s
        d.ellipse([ax * s - r, ay * s - r, ax * s + r, ay * s + r], fill=INK)

    return big.resize((WIDTH, HEIGHT), Image.Resampling.LANCZOS)


def draw_labels(img, anchors):
    d = ImageDraw.Draw(img)
    for code, (ax, ay) in sorted(anchors.items()):
        area = STATES_BY_CODE[code]
        if code in CALLOUTS:
            draw_centred(d, CALLOUTS[code][0], callout_text(code), CALLOUT_FONT, INK)
        elif code in SMALL_LABELS:
            draw_centred(d, (ax, ay - 3), area, SMALL_DIGIT_FONT, INK)
            draw_centred(d, (ax, ay + 8), code, SMALL_CODE_FONT, INK)
        else:
            draw_centred(d, (ax, ay - 4), area, DIGIT_FONT, INK)
            draw_centred(d, (ax, ay + 10), code, CODE_FONT, INK)


def draw_insets(img):
    d = ImageDraw.Draw(img)
    for inset in INSETS.values():
        x0, y0, x1, y1 = inset["box"]
        d.text((x0 + 5, y0 + 3), inset["title"], font=INSET_FONT, fill=NAVY)
        w, _ = text_size(inset["name"], CODE_FONT)
        d.text((x1 - 5 - w, y0 + 5), inset["name"], font=CODE_FONT, fill=INK)


def draw_legend(img):
    d = ImageDraw.Draw(img)
    line_h = 15
    x0, x1 = 622, WIDTH - 8
    y1 = HEIGHT - 8
    y0 = y1 - (22 + len(AREA_ORDER) * line_h + 4)
    d.rectangle([x0, y0, x1, y1], fill=(252, 250, 244), outline=FRAME)
    d.text((x0 + 6, y0 + 4), "Area  States", font=LEGEND_BOLD, fill=NAVY)
    y = y0 + 22
    for area in AREA_ORDER:
        codes = sorted(code for code, a in STATES.values() if a == area)
        d.rectangle([x0 + 6, y, x0 + 24, y + 12], fill=AREA_COLOURS[area], outline=STATE_LINE)
        draw_centred(d, (x0 + 15, y + 6), area, LEGEND_BOLD, INK)
        d.text((x0 + 30, y - 1), " ".join(codes), font=LEGEND_FONT, fill=INK)
        y += line_h


def make_map():
    data = load_outlines()
    anchors = label_anchors(data)
    img = draw_shapes(data, anchors)
    draw_labels(img, anchors)
    draw_insets(img)
    draw_legend(img)
    d = ImageDraw.Draw(img)
    d.text((10, 6), "US Call Areas", font=TITLE_FONT, fill=NAVY)
    return img


def main():
    save_gif(make_map(), ROOT, OUTPUT, GIF_COMMENT)


if __name__ == "__main__":
    main()
