#!/usr/bin/python3
"""Draws the "US Amateur Bands" chart shown by the US Amateur Bands window.

Usage (from the repository root):

    /usr/bin/python3 tools/make_band_chart.py

Writes two identical GIF89a pictures of 827 x 502 pixels:
    src/ui/charts/resources/bands_builtin.gif  (built into the program)
    data/bands.gif                             (installed beside the executable)

Needs Debian 12's python3-pil (Pillow 9.4.0) and fonts-dejavu-core (2.37);
the script installs both with apt-get when they are missing (as root, or
through sudo). The output is deterministic for those versions.

The chart follows 47 CFR Part 97 as in force in 2024 (the eCFR text of
that year), for the bands from 2200 m to 23 cm: section 97.301 for the band
edges by license class, 97.305 for the emission types, 97.303(g) and 97.313
for the notes on 2200 m and 630 m (open since the FCC's Report and Order
17-33 of 2017) and on power. Since February 2007 (FCC 06-178) every
Technician holds the Novice HF privileges of 97.301(e), and the Technician
Plus class is no longer issued, so the chart names Novice and Technician
only.
"""

import os

from drawing_setup import dejavu as font, ensure_debian_packages, save_gif, warn_if_untested_pillow  # noqa: E402

ensure_debian_packages("DejaVuSans.ttf")

from PIL import Image, ImageDraw  # noqa: E402

warn_if_untested_pillow("the picture")

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUTS = ["src/ui/charts/resources/bands_builtin.gif", "data/bands.gif"]
WIDTH, HEIGHT = 827, 502
GIF_COMMENT = b"US Amateur Bands, after 47 CFR Part 97 as in force in 2024"

# ---------------------------------------------------------------------------
# Modes: the colour of a bar says what may be sent there.

DATA = "CW, RTTY and data"
PHONE = "CW and phone"
CW = "CW only"
SSB = "CW and SSB"
ALL = "CW, RTTY, data and phone"

MODE_COLOURS = {
    DATA: (66, 126, 206),    # blue
    PHONE: (240, 150, 40),   # orange
    CW: (208, 56, 56),       # red
    SSB: (150, 88, 184),     # purple
    ALL: (80, 170, 90),      # green
}

# ---------------------------------------------------------------------------
# The band plan. Each band: name, unit, frequency format, the frequencies
# printed on its scale, and one bar per group of license classes with its
# segments (low edge, high edge, mode). Frequencies are in the band's unit.
#
# Classes: E Amateur Extra, A Advanced, G General, N Novice, T Technician.

HF_CLASSES = "E,A,G"
VHF_CLASSES = "E,A,G,T"


def band(name, unit, fmt, rows, marks=None, span=None, channel_width=None):
    edges = sorted({f for _, segs in rows for lo, hi, _ in segs for f in (lo, hi)})
    return {
        "name": name,
        "unit": unit,
        "fmt": fmt,
        "rows": rows,
        # Scale frequencies: the segment edges unless given.
        "marks": marks if marks is not None else edges,
        # Frequency range of the bar: the outermost edges unless given.
        "span": span if span is not None else (edges[0], edges[-1]),
        # Channels are drawn as blocks of this many pixels, centred on the mark.
        "channel_width": channel_width,
    }


BANDS = [
    # 97.303(g): secondary, and only after telling the Utilities Technology
    # Council where the station is; 97.313: 1 W and 5 W EIRP.
    band("2200 m", "kHz", "{:g}", [
        (HF_CLASSES, [(135.7, 137.8, ALL)]),
    ]),
    band("630 m", "kHz", "{:g}", [
        (HF_CLASSES, [(472, 479, ALL)]),
    ]),
    band("160 m", "MHz", "{:.3f}", [
        (HF_CLASSES, [(1.800, 2.000, ALL)]),
    ]),
    band("80/75 m", "MHz", "{:.3f}", [
        ("E", [(3.500, 3.600, DATA), (3.600, 4.000, PHONE)]),
        ("A", [(3.525, 3.600, DATA), (3.700, 4.000, PHONE)]),
        ("G", [(3.525, 3.600, DATA), (3.800, 4.000, PHONE)]),
        ("N,T", [(3.525, 3.600, CW)]),
    ]),
    # Five channels of 2.8 kHz, given by their centre frequencies; USB phone,
    # CW and data, 100 W ERP.
    band("60 m", "kHz", "{:g}", [
        (HF_CLASSES, [(c - 1.4, c + 1.4, ALL) for c in (5332, 5348, 5358.5, 5373, 5405)]),
    ], marks=[5332, 5348, 5358.5, 5373, 5405], span=(5322, 5415), channel_width=12),
    band("40 m", "MHz", "{:.3f}", [
        ("E", [(7.000, 7.125, DATA), (7.125, 7.300, PHONE)]),
        ("A", [(7.025, 7.125, DATA), (7.125, 7.300, PHONE)]),
        ("G", [(7.025, 7.125, DATA), (7.175, 7.300, PHONE)]),
        ("N,T", [(7.025, 7.125, CW)]),
    ]),
    band("30 m", "MHz", "{:.3f}", [
        (HF_CLASSES, [(10.100, 10.150, DATA)]),
    ]),
    band("20 m", "MHz", "{:.3f}", [
        ("E", [(14.000, 14.150, DATA), (14.150, 14.350, PHONE)]),
        ("A", [(14.025, 14.150, DATA), (14.175, 14.350, PHONE)]),
        ("G", [(14.025, 14.150, DATA), (14.225, 14.350, PHONE)]),
    ]),
    band("17 m", "MHz", "{:.3f}", [
        (HF_CLASSES, [(18.068, 18.110, DATA), (18.110, 18.168, PHONE)]),
    ]),
    band("15 m", "MHz", "{:.3f}", [
        ("E", [(21.000, 21.200, DATA), (21.200, 21.450, PHONE)]),
        ("A", [(21.025, 21.200, DATA), (21.225, 21.450, PHONE)]),
        ("G", [(21.025, 21.200, DATA), (21.275, 21.450, PHONE)]),
        ("N,T", [(21.025, 21.200, CW)]),
    ]),
    band("12 m", "MHz", "{:.3f}", [
        (HF_CLASSES, [(24.890, 24.930, DATA), (24.930, 24.990, PHONE)]),
    ]),
    band("10 m", "MHz", "{:.3f}", [
        (HF_CLASSES, [(28.000, 28.300, DATA), (28.300, 29.700, PHONE)]),
        ("N,T", [(28.000, 28.300, DATA), (28.300, 28.500, SSB)]),
    ]),
    band("6 m", "MHz", "{:.1f}", [
        (VHF_CLASSES, [(50.0, 50.1, CW), (50.1, 54.0, ALL)]),
    ]),
    band("2 m", "MHz", "{:.1f}", [
        (VHF_CLASSES, [(144.0, 144.1, CW), (144.1, 148.0, ALL)]),
    ]),
    # 219-220 MHz: fixed digital message forwarding stations only.
    band("1.25 m", "MHz", "{:g}", [
        (VHF_CLASSES, [(219, 220, DATA), (222, 225, ALL)]),
        ("N", [(222, 225, ALL)]),
    ]),
    band("70 cm", "MHz", "{:g}", [
        (VHF_CLASSES, [(420, 450, ALL)]),
    ]),
    band("33 cm", "MHz", "{:g}", [
        (VHF_CLASSES, [(902, 928, ALL)]),
    ]),
    band("23 cm", "MHz", "{:g}", [
        (VHF_CLASSES, [(1240, 1300, ALL)]),
        ("N", [(1270, 1295, ALL)]),
    ]),
]

# The bands up to 20 m fill the left column, 17 m and up the right one.
RIGHT_COLUMN_FROM = "17 m"

CLASS_KEY = [
    ("E", "Amateur Extra"),
    ("A", "Advanced"),
    ("G", "General"),
    ("N", "Novice"),
    ("T", "Technician"),
]

# Notes under each column, about the bands in it.
LEFT_NOTES = [
    "2200 m: 1 W EIRP. 630 m: 5 W EIRP (1 W in Alaska near Russia).",
    "2200 and 630 m: notify UTC of the station 30 days before use.",
    "60 m: channel centers, 2.8 kHz wide; USB phone, CW, data; 100 W ERP.",
    "N, T on 80, 40, 15 and 10 m: 200 W PEP. 30 m: 200 W PEP.",
]
RIGHT_NOTES = [
    "1.25 m, 219-220 MHz: fixed digital message forwarding only.",
    "N: 25 W PEP on 1.25 m, 5 W PEP on 23 cm.",
]

# ---------------------------------------------------------------------------
# Drawing

BACKGROUND = (250, 246, 234)
INK = (24, 24, 48)
NAVY = (0, 0, 128)
RULE = (170, 160, 135)
EMPTY_BAR = (228, 224, 214)
BAR_OUTLINE = (120, 112, 96)


TITLE_FONT = font("DejaVuSans-Bold.ttf", 20)
SUBTITLE_FONT = font("DejaVuSans.ttf", 11)
BAND_FONT = font("DejaVuSans-Bold.ttf", 12)
CLASS_FONT = font("DejaVuSans.ttf", 11)
SCALE_FONT = font("DejaVuSans.ttf", 11)
LEGEND_FONT = font("DejaVuSans.ttf", 11)
HEADING_FONT = font("DejaVuSans-Bold.ttf", 11)
NOTE_FONT = font("DejaVuSans.ttf", 10)

HEADER_H = 14   # band name and scale line
ROW_H = 13      # one license-class bar (bar plus a gap)
BAR_H = 11
BAND_GAP = 4
TOP = 39         # below the title
FOOTER_TOP = HEIGHT - 38  # the mode legend and the class key, across the chart
LABEL_GAP = 11  # least room between two scale labels


def text_width(text, fnt):
    left, _, right, _ = fnt.getbbox(text)
    return right - left


def scale_positions(b, width):
    """Places the scale marks along a bar of the given width.

    The bar is proportional to frequency wherever the labels fit; an interval
    too narrow for the labels at its ends is widened and the others shrink.
    Returns the x offset of each mark and the x mapping of the band's span.
    """
    lo, hi = b["span"]
    points = [lo] + [m for m in b["marks"] if lo < m < hi] + [hi]
    labelled = [lo in b["marks"]] + [True] * (len(points) - 2) + [hi in b["marks"]]
    widths = [text_width(b["fmt"].format(p), SCALE_FONT) if lab else 0
              for p, lab in zip(points, labelled)]

    # Labels at the two ends lie wholly inside the bar; the others are centred.
    need = []
    for i in range(len(points) - 1):
        left = widths[i] if i == 0 else widths[i] / 2
        right = widths[i + 1] if i + 1 == len(points) - 1 else widths[i + 1] / 2
        need.append(left + right + LABEL_GAP if (left or right) else 0)

    spans = [points[i + 1] - points[i] for i in range(len(points) - 1)]
    fixed = [False] * len(spans)
    while True:
        free_width = width - sum(n for n, f in zip(need, fixed) if f)
        free_span = sum(s for s, f in zip(spans, fixed) if not f)
        sizes = [need[i] if fixed[i] else spans[i] * free_width / free_span
                 for i in range(len(spans))]
        short = [i for i in range(len(spans)) if not fixed[i] and sizes[i] < need[i]]
        if not short:
            break
        for i in short:
            fixed[i] = True

    xs = [0.0]
    for s in sizes:
        xs.append(xs[-1] + s)

    def to_x(freq):
        for i in range(len(points) - 1):
            if freq <= points[i + 1] or i == len(points) - 2:
                t = (freq - points[i]) / (points[i + 1] - points[i])
                return xs[i] + t * (xs[i + 1] - xs[i])
        return xs[-1]

    return points, labelled, xs, to_x


def draw_band(draw, b, x, y, label_w, bar_w):
    """Draws one band with its left edge at x and top at y; returns the y below it."""
    bar_x = x + label_w
    draw.text((x, y), b["name"], font=BAND_FONT, fill=NAVY)
    points, labelled, xs, to_x = scale_positions(b, bar_w)
    last = len(points) - 1
    for i, (p, lab) in enumerate(zip(points, labelled)):
        if not lab:
            continue
        text = b["fmt"].format(p)
        w = text_width(text, SCALE_FONT)
        px = bar_x + xs[i]
        tx = px if i == 0 else px - w if i == last else px - w / 2
        draw.text((round(tx), y + 1), text, font=SCALE_FONT, fill=INK)
    if b["unit"] != "MHz":
        draw.text((bar_x + bar_w + 5, y + 1), b["unit"], font=SCALE_FONT, fill=INK)
    y += HEADER_H

    for classes, segments in b["rows"]:
        draw.text((x + 8, y - 1), classes, font=CLASS_FONT, fill=INK)
        top, bottom = y, y + BAR_H - 1
        draw.rectangle([bar_x, top, bar_x + bar_w - 1, bottom], fill=EMPTY_BAR)
        for lo, hi, mode in segments:
            if b["channel_width"]:
                centre = bar_x + to_x((lo + hi) / 2)
                x0 = round(centre - b["channel_width"] / 2)
                x1 = x0 + b["channel_width"] - 1
            else:
                x0 = round(bar_x + to_x(lo))
                x1 = round(bar_x + to_x(hi)) - 1
            draw.rectangle([x0, top, x1, bottom], fill=MODE_COLOURS[mode], outline=BAR_OUTLINE)
        y += ROW_H
    return y + BAND_GAP


def draw_key_row(draw, y, heading, items, key_x, item_gap):
    """One line of the footer: its heading, then (swatch or letter, meaning) items."""
    draw.text((10, y - 1), heading, font=HEADING_FONT, fill=NAVY)
    x = key_x
    for mark, meaning in items:
        if isinstance(mark, tuple):
            draw.rectangle([x, y + 1, x + 22, y + 11], fill=mark, outline=BAR_OUTLINE)
            x += 28
        else:
            draw.text((x, y - 1), mark, font=HEADING_FONT, fill=INK)
            x += text_width(mark, HEADING_FONT) + 4
            meaning = "= " + meaning
        draw.text((x, y - 1), meaning, font=LEGEND_FONT, fill=INK)
        x += text_width(meaning, LEGEND_FONT) + item_gap
    return x - item_gap


def draw_footer(draw):
    draw.line([8, FOOTER_TOP, WIDTH - 9, FOOTER_TOP], fill=RULE, width=2)
    headings = ["Modes", "License classes"]
    key_x = 10 + max(text_width(h, HEADING_FONT) for h in headings) + 14
    modes = [(MODE_COLOURS[m], m) for m in [DATA, PHONE, CW, SSB, ALL]]
    end = draw_key_row(draw, FOOTER_TOP + 5, headings[0], modes, key_x, 18)
    assert end <= WIDTH - 10, "the mode legend runs off the chart"
    draw_key_row(draw, FOOTER_TOP + 20, headings[1], CLASS_KEY, key_x, 18)


def draw_column(draw, bands, notes, x, end_x, label_w):
    y = TOP
    for b in bands:
        y = draw_band(draw, b, x, y, label_w, end_x - x - label_w - 26)
    y += 1
    for note in notes:
        draw.text((x, y), note, font=NOTE_FONT, fill=INK)
        y += 13
    assert y <= FOOTER_TOP - 2, f"the column from {bands[0]['name']} runs into the footer"


def make_chart():
    img = Image.new("RGB", (WIDTH, HEIGHT), BACKGROUND)
    draw = ImageDraw.Draw(img)

    draw.text((10, 5), "US Amateur Bands", font=TITLE_FONT, fill=NAVY)
    subtitle = "Privileges by license class, 47 CFR Part 97.  Frequencies in MHz unless marked."
    draw.text((WIDTH - 10 - text_width(subtitle, SUBTITLE_FONT), 12), subtitle,
              font=SUBTITLE_FONT, fill=INK)
    draw.line([8, 32, WIDTH - 9, 32], fill=RULE, width=2)

    split = [b["name"] for b in BANDS].index(RIGHT_COLUMN_FROM)
    draw_column(draw, BANDS[:split], LEFT_NOTES, 10, WIDTH // 2 - 8, 64)
    draw_column(draw, BANDS[split:], RIGHT_NOTES, WIDTH // 2 + 8, WIDTH - 10, 80)
    draw.line([WIDTH // 2, TOP, WIDTH // 2, FOOTER_TOP - 4], fill=RULE)
    draw_footer(draw)
    return img


def main():
    chart = make_chart()
    for rel in OUTPUTS:
        save_gif(chart, ROOT, rel, GIF_COMMENT)


if __name__ == "__main__":
    main()
