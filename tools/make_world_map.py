#!/usr/bin/python3
"""Draws the World Map window's picture and writes its DXCC search list.

    /usr/bin/python3 tools/make_world_map.py

Writes (byte for byte the same on every run):
    src/ui/worldmap/resources/world_map.gif        1133 x 556 GIF87a, 256 colours
    src/ui/worldmap/resources/dxcc_search_list.txt 390 lines, "PFX  Name   #aX#bY"

Installs what it needs when missing:
    apt: python3-pil, fonts-dejavu-core, fonts-dejavu-extra, hamradio-files,
         nodejs and npm (only if node/npm are not on the PATH)
    npm: world-atlas@2.0.2 and topojson-client@3.1.0 into /tmp/qvk-worldmap
         (a scratch folder, never this repository)

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
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "src", "ui", "worldmap", "resources")
SCRATCH = "/tmp/qvk-worldmap"
NPM_PACKAGES = {"world-atlas": "2.0.2", "topojson-client": "3.1.0"}
APT_PACKAGES = ["python3-pil", "fonts-dejavu-core", "fonts-dejavu-extra", "hamradio-files"]
CTY_CSV = "/usr/share/hamradio-files/cty.csv"
FONT_DIR = "/usr/share/fonts/truetype/dejavu"


# --------------------------------------------------------------------------
# Tools and data

def apt_install(packages):
    missing = [p for p in packages if subprocess.run(
        ["dpkg-query", "-W", "-f=${Status}", p], capture_output=True,
        text=True).stdout != "install ok installed"]
    if missing:
        sudo = [] if os.geteuid() == 0 else ["sudo"]
        env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
        subprocess.run(sudo + ["apt-get", "update", "-qq"], check=True, env=env)
        subprocess.run(sudo + ["apt-get", "install", "-y", "-qq",
                               "--no-install-recommends"] + missing,
                       check=True, env=env)


def ensure_tools():
    apt_install(APT_PACKAGES + ([] if shutil.which("node") and shutil.which("npm")
                                else ["nodejs", "npm"]))
    try:
        import PIL  # noqa: F401
    except ImportError:
        if sys.executable != "/usr/bin/python3":  # Debian's Pillow lives there
            os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
        raise
    def installed(name):
        try:
            with open(os.path.join(SCRATCH, "node_modules", name, "package.json")) as f:
                return json.load(f)["version"]
        except OSError:
            return None
    wanted = [f"{n}@{v}" for n, v in NPM_PACKAGES.items() if installed(n) != v]
    if wanted:
        os.makedirs(SCRATCH, exist_ok=True)
        subprocess.run(["npm", "install", "--prefix", SCRATCH, "--no-save",
                        "--no-package-lock", "--no-audit", "--no-fund"] + wanted,
                       check=True, stdout=subprocess.DEVNULL)


def load_world():
    out = subprocess.run(["node", os.path.join(ROOT, "tools", "make_world_map.mjs"),
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
# The search list: displayed text | position key [square]
#
# The key is a prefix of cty.csv or a name of PLACES, or "fixed TAIL" for the
# positions that the window prescribes. "square" asks for the red square (a
# small island group) instead of the arrow; "caribbean KEY" gives the shared
# square that Guadeloupe's fixed row puts round the small islands of the
# Lesser Antilles; the script checks that KEY's place lies inside it.

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

ENTRIES = """
1A0  Malta | fixed #a577#b162
1S  Spratly Island | fixed #c865#d225
3A  Monaco | 3A
3B6  Agalega Island | 3B6
3B7  St. Brandon | St. Brandon square
3B8  Mauritius | 3B8
3B9  Rodrigues Island | 3B9
3C  Guinea, Equatorial | 3C
3C0  Annobon Island | 3C0
3D2  Conway Reef | 3D2/c
3D2  Fiji Islands | 3D2
3D2  Rotuma Island | 3D2/r
3DA  Swaziland | 3DA
3V  Tunisia | 3V
3W  Vietnam | 3W
XV  Vietnam | 3W
3X  Guinea | 3X
3Y  Bouvet | 3Y/b
3Y  Peter I Island | 3Y/p
4J-4K  Azerbaijan | 4J
4K1  South Shetland Island | VP8/h
4L  Georgia | 4L
4O  Montenegro | 4O
4P-4S  Sri Lanka | 4S
4U  ITU HQ | 4U1I
4U  United Nations HQ | 4U1U
4W  East Timor | 4W
4X  Israel | 4X
4Z  Israel | 4X
5A  Libya | 5A
5B  Cyprus | 5B
5H-5I  Tanzania | 5H
5N-5O  Nigeria | 5N
5R-5S  Madagascar | 5R
5T  Mauritania | 5T
5U  Niger | 5U
5V  Togo | 5V
5W  Samoa | fixed #a1101#b328
5X  Uganda | 5X
5Y-5Z  Kenya | 5Z
6V-6W  Senegal | 6W
6Y  Jamaica | 6Y
7O  Yemen | 7O
7P  Lesotho | 7P
7Q  Malawi | 7Q
7T-7Y  Algeria | 7X
8P  Barbados | 8P
8Q  Maldives | 8Q square
8R  Guyana | 8R
9A  Croatia | 9A
9G  Ghana | 9G
9H  Malta | 9H
9I-9J  Zambia | 9J
9K  Kuwait | 9K
9L  Sierra Leone | 9L
9M2  Malaysia, West | 9M2
9M4  Malaysia, West | 9M2
9M6  Malaysia, East | 9M6
9M8  Malaysia, East | 9M6
9N  Nepal | 9N
9Q-9T  Congo, Dem. Rep. of | 9Q
9U  Burundi | 9U
9V  Singapore | 9V
9X  Rwanda | 9X
9Y-9Z  Trinidad & Tobago | 9Y
A  Mount Athos | SV/a
A2  Botswana | A2
A3  Tonga | A3 square
A4  Oman | A4
A5  Bhutan | A5
A6  United Arab Emirates | A6
A7  Qatar | A7
A9  Bahrain | A9
AP-AS  Pakistan | AP
BS7  Scarborough Reef | BS7
BT  China | BY
BY  China | BY
BV  Taiwan | BV
BV9P  Pratas Island | BV9P
C  Chesterfield Island | FK/c square
C2  Nauru | C2
C3  Andorra | C3
C5  Gambia | C5
C6  Bahamas | C6
C8-C9  Mozambique | C9
CA-CE  Chile | CE
CE0  Easter Island | CE0Y
CE0  Juan Fernandez Island | CE0Z
CE0  San Ambrosio Island | CE0X square
CE0  San Felix Island | CE0X square
CE9  Antarctica | CE9
CE9  South Shetland Island | VP8/h
CM  Cuba | CM
CO  Cuba | CM
CN  Morocco | CN
CP  Bolivia | CP
CT  Portugal | CT
CT3  Madeira Island | CT3
CU  Azores | CU square
CV-CX  Uruguay | CX
CY0  Sable Island | CY0
CY9  St. Paul Island | CY9
D2-D3  Angola | D2
D4  Cape Verde | D4 square
D6  Comoros | D6
DA-DL  Germany, Fed. Rep. of | DL
DU-DZ  Philippines | DU
E  Juan de Nova | FT/j
E3  Eritrea | E3
E4  Palestine | E4
E7  Bosnia-Herzegovina | E7
E5A-E5Z  Cook Island, North | E5/n square
E5A-E5Z  Cook Island, South | E5/s square
EA-EH  Spain | EA
EA6-EH6  Balearic Island | EA6
EA8-EH8  Canary Islands | EA8
EA9-EH9  Ceuta and Melilla | EA9
EI-EJ  Ireland | EI
EK  Armenia | EK
EL  Liberia | EL
EP-EQ  Iran | EP
ER  Moldovia | ER
ES  Estonia | ES
ET  Ethiopia | ET
EU-EW  Belarus | EU
EX  Kyrgyzstan | EX
EY  Tajikistan | EY
EZ  Turkmenistan | EZ
F  France | F
FG  Guadeloupe | fixed #c313#d211
FH  Mayotte | FH
FJ  Saint Martin | caribbean FS
FK  New Caledonia | FK
FK  Chesterfield Island | FK/c square
FM  Martinique | caribbean FM
FO  Austral Island | FO/a square
FO  Clipperton Island | FO/c
FO  French Polynesia | FO square
FO  Marquesas Island | FO/m square
FP  St. Pierre & Miquelon | FP
FR  Reunion Island | FR
FR/G  Glorioso Islands | FT/g square
FR/J  Juan de Nova, Europa | Juan de Nova & Europa square
FR/T  Tromelin Island | FT/t
FS  Saint Martin | caribbean FS
FT8W  Crozet Island | FT/w square
FT8X  Kerguelen Island | FT/x
FT8Z  Amsterdam & St. Paul Island | FT/z square
FW  Wallis Island & Futuna Island | FW square
FY  French Guiana | FY
G  England | G
GX  England | G
GD  Isle of Man | GD
GT  Isle of Man | GD
GH  Jersey | GJ
GJ  Jersey | GJ
GI  Northern Ireland | GI
GN  Northern Ireland | GI
GM  Scotland | GM
GS  Scotland | GM
GP  Guernsey | GU
GU  Guernsey | GU
GC  Wales | GW
GW  Wales | GW
H4  Solomon Island | H4
H40  Temotu Province | H40 square
HA  Hungary | HA
HG  Hungary | HA
HB  Switzerland | HB
HB0  Liechtenstein | HB0
HC-HD  Ecuador | HC
HC8-HD8  Galapagos Islands | HC8
HH  Haiti | HH
HI  Dominican Republic | HI
HJ-HK  Colombia | HK
HK0  Malpelo Island | HK0/m
HK0  San Andres & Providencia | HK0/a
HL  Korea, Republic of | HL
HO-HP  Panama | HP
HQ-HR  Honduras | HR
HS  Thailand | HS
E2  Thailand | HS
HV  Vatican | HV
HZ  Saudi Arabia | HZ
I  Italy | I
IM0  Sardinia | IS
IS0  Sardinia | IS
J  Juan de Nova | FT/j
J2  Djibouti | J2
J3  Grenada | caribbean J3
J5  Guinea-Bissau | J5
J6  St. Lucia | caribbean J6
J7  Dominica | caribbean J7
J8  St. Vincent | caribbean J8
JA-JS  Japan | JA
JD1  Minami Torishima | JD/m
JD1  Ogasawara | JD/o square
JT-JV  Mongolia | JT
JW  Svalbard | fixed #a567#b030
JX  Jan Mayen | JX
JY  Jordan | JY
K  United States of America | fixed #a200#b152
N  United States of America | fixed #a200#b152
W  United States of America | fixed #a200#b152
AA-AK  United States of America | fixed #a200#b152
KC4  Antarctica | fixed #a878#b537
KC6  Palau | T8 square
KG4  Guantanamo Bay | KG4
KH0  Mariana Island | KH0 square
KH1  Baker Island & Howland Island | KH1 square
KH2  Guam | KH2
KH3  Johnston Island | fixed #c0#d210
KH4  Midway Island | KH4
KH5  Palmyra Island & Jarvis Island | Palmyra & Jarvis square
KH5K  Kingman Reef | Kingman Reef square
KH6-KH7  Hawaii | KH6 square
KH7K  Kure Island | KH7K
KH8  American Samoa | KH8 square
KH9  Wake Island | KH9
KL7  Alaska | KL
KP1  Navassa Island | KP1
KP2  Virgin Island | caribbean KP2
KP3-KP4  Puerto Rico | KP4
KP5  Desecheo Island | caribbean KP5
LA-LN  Norway | LA
LO-LW  Argentina | LU
LU  South Georgia Island | VP8/g
LU  South Orkney Island | VP8/o
LU  South Sandwich Island | VP8/s
LU  South Shetland Island | VP8/h
LX  Luxembourg | LX
LY  Lithuania | LY
LZ  Bulgaria | LZ
M  England | G
OA-OC  Peru | OA
OD  Lebanon | OD
OE  Austria | OE
OF-OI  Finland | OH
OH0  Aland Island | OH0
OJ0  Market Reef | OJ0
OH0M  Market Reef | OJ0
OK-OL  Czech Republic | OK
OM  Slovak Republic | OM
ON-OT  Belgium | ON
OX  Greenland | OX
OY  Faroe Island | OY
OU-OW  Denmark | OZ
OZ  Denmark | OZ
P2  Papua New Guinea | P2
P4  Aruba | P4
P5  Korea, DPR of (N.) | P5
PA-PI  Netherlands | PA
PJ2  Bonaire, Curacao (Neth. Antilles) | caribbean Neth. Antilles
PJ4  Bonaire, Curacao (Neth. Antilles) | caribbean Neth. Antilles
PJ9  Bonaire, Curacao (Neth. Antilles) | caribbean Neth. Antilles
PJ5-PJ8  St. Maarten, Saba, St. Eustatius | caribbean PJ5
PP-PY  Brazil | PY
PP0-PY0  Fernando de Noronha | PY0F
PP0-PY0  St. Peter & St. Paul Rocks | PY0S
PP0-PY0  Trindade & Martim Vaz Island | PY0T square
PZ  Suriname | PZ
R1FJ  Franz Josef Land | R1FJ
R1MV  Malyj Vysotskij Island | Malyj Vysotskij
S0  Western Sahara | S0
S2  Bangladesh | S2
S5  Slovenia | S5
S7  Seychelles | S7 square
S9  Sao Tome & Principe Islands | S9
SA-SM  Sweden | SM
SN-SR  Poland | SP
ST  Sudan | ST
SU  Egypt | SU
SV-SZ  Greece | SV
SV/A  Mount Athos | SV/a
SV5  Dodecanese | SV5
SV9  Crete | SV9
T  Tromelin Island | FT/t
T2  Tuvalu | T2 square
T30  Kiribati, West (Gilbert Island) | T30 square
T31  Kiribati, Central (Phoenix Island) | T31 square
T32  Kiribati, East (Line Island) | T32 square
T33  Banaba Island (Ocean Island) | T33
T5  Somalia | T5
T7  San Marino | T7
T8  Palau | T8 square
TA-TC  Turkey | TA
TD  Guatemala | TG
TG  Guatemala | TG
TE  Costa Rica | TI
TI  Costa Rica | TI
TF  Iceland | TF
TI9  Cocos Island | TI9
TJ  Cameroon | TJ
TK  Corsica | TK
TL  Central Africa | TL
TN  Congo, Republic of the | TN
TR  Gabon | TR
TT  Chad | TT
TU  Cote d'Ivoire | TU
TY  Benin | TY
TZ  Mali | TZ
UA-UI  Russia | UA
RA-RZ  Russia | UA
UA2  Kaliningrad | UA2
UJ-UM  Uzbekistan | UK
UN-UQ  Kazakhstan | UN
UR-UZ  Ukraine | UR
EM-EO  Ukraine | UR
V2  Antigua & Barbuda | caribbean V2
V3  Belize | V3
V4  St. Kitts & Nevis | caribbean V4
V5  Namibia | V5
V6  Micronesia | V6 square
V7  Marshall Island | fixed #c1#d222
V8  Brunei | V8
VE  Canada | Canada
VO  Canada | Canada
VY  Canada | Canada
VK  Australia | VK
VK0  Heard Island | VK0H
VK0  Macquarie Island | VK0M
VK9C  Cocos-Keeling Island | VK9C square
VK9L  Lord Howe Island | VK9L
VK9M  Mellish Reef | VK9M
VK9N  Norfolk Island | VK9N
VK9W  Willis Island | VK9W
VK9X  Christmas Island | VK9X
VP2E  Anguilla | caribbean VP2E
VP2M  Montserrat | caribbean VP2M
VP2V  British Virgin Island | caribbean VP2V
VP5  Turks Island & Caicos Island | VP5
VP6  Ducie Island | VP6/d
VP6  Pitcairn Island | VP6
VP8  Falkland Island | VP8
VP8  South Georgia Island | VP8/g
VP8  South Orkney Island | VP8/o
VP8  South Sandwich Island | VP8/s
VP8  South Shetland Island | VP8/h
HF0  South Shetland Island | VP8/h
VP9  Bermuda | VP9
VQ9  Chagos Island | VQ9 square
VR  Hong Kong | VR
VU  Andaman Island | VU4
VU  India | VU
VU  Lakshadweep Island | VU7 square
VU  Nicobar Island | Nicobar Islands square
W  United States | fixed #a199#b151
XA4-XI4  Revilla Gigedo | XF4
XA-XI  Mexico | XE
XT  Burkina Faso | XT
XU  Cambodia | XU
XW  Laos | XW
XX9  Macao | XX9
XY  Myanmar | XZ
XZ  Myanmar | XZ
YA  Afghanistan | YA
YB-YH  Indonesia | YB
YI  Iraq | YI
YJ  Vanuatu | YJ
YK  Syria | YK
YL  Latvia | YL
YN  Nicaragua | YN
YO-YR  Romania | YO
YS  El Salvador | YS
YT  Yugoslavia | Yugoslavia
YU  Yugoslavia | Yugoslavia
YZ  Yugoslavia | Yugoslavia
YV  Venezuela | YV
YY  Venezuela | YV
YV0  Aves Island | caribbean YV0
Z2  Zimbabwe | Z2
Z3  Macedonia | Z3
ZA  Albania | ZA
ZB2  Gibraltar | ZB
ZC4  Cyprus, UK Sov. Base Areas | ZC4
ZD7  St. Helena | ZD7
ZD8  Ascension Island | ZD8
ZD9  Tristan da Cunha Island & Gough Island | ZD9 square
ZF  Cayman Island | ZF
ZK1  Cook Island, North | E5/n square
ZK1  Cook Island, South | E5/s square
ZK2  Niue | E6 square
ZK3  Tokelau Island | ZK3 square
ZL7  Chatham Island | ZL7
ZL8  Kermadec Island | ZL8 square
ZL9  Auckland Island & Campbell Island | ZL9 square
ZL-ZM  New Zealand | ZL
ZP  Paraguay | ZP
ZR-ZU  South Africa | ZS
ZS8  Prince Edward Island & Marion Island | ZS8 square
"""

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


def build_search_list(cty):
    lines, report = [], []
    for row in ENTRIES.strip().splitlines():
        shown, placement = (s.strip() for s in row.split("|"))
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


def draw_map(world, Image, ImageDraw, ImageChops):
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
    def __init__(self, img, ground, ids, Image, ImageDraw, ImageFilter, ImageFont):
        self.Image, self.ImageDraw, self.ImageFilter = Image, ImageDraw, ImageFilter
        self.img, self.ground = img, ground
        self.pen = ImageDraw.Draw(img)
        self.truetype = ImageFont.truetype
        self.ids = ids.load()
        self.taken = []
        self.masks = {}
        self.fonts = {}

    def font(self, name, size):
        if (name, size) not in self.fonts:
            self.fonts[name, size] = self.truetype(os.path.join(FONT_DIR, name), size)
        return self.fonts[name, size]

    def free(self, box):
        x0, y0, x1, y1 = box
        return all(x1 < a or x0 > c or y1 < b or y0 > d for a, b, c, d in self.taken)

    def draw(self, x0, y0, mask, colour):
        """Paints a label on a soft rim of bare ground (land or sea without
        lines), so that lines under it do not cut through the letters."""
        rim = mask.filter(self.ImageFilter.MaxFilter(3)).point(lambda v: v * 3 // 5)
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
            mask = self.Image.new("L", (math.ceil(r) + 2, math.ceil(b) + 2), 0)
            self.ImageDraw.Draw(mask).multiline_text((1, 1), text, font=font, fill=255,
                                                     spacing=0, align="center")
            if angle:
                mask = mask.rotate(angle, resample=self.Image.BICUBIC, expand=True)
            mask = mask.crop(mask.getbbox())
            near = mask.filter(self.ImageFilter.MaxFilter(3)).tobytes()
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


def draw_labels(img, ground, ids, groups, Image, ImageDraw, ImageFilter, ImageFont):
    lab = Labeller(img, ground, ids, Image, ImageDraw, ImageFilter, ImageFont)
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
    ensure_tools()
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

    cty = load_cty()
    lines, report = build_search_list(cty)
    assert len(lines) == 390 and len(set(l.split("   #")[0] for l in lines)) == 390

    world = load_world()
    img, ground, ids, groups = draw_map(world, Image, ImageDraw, ImageChops)
    placed, lab = draw_labels(img, ground, ids, groups, Image, ImageDraw, ImageFilter,
                              ImageFont)
    scale = draw_scale_note(img, lab)

    gif = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                       dither=Image.Dither.NONE)
    gif.info = {}
    os.makedirs(OUT_DIR, exist_ok=True)
    gif_path = os.path.join(OUT_DIR, "world_map.gif")
    gif.save(gif_path, format="GIF", interlace=False, optimize=False)
    check_gif(gif_path)
    with open(os.path.join(OUT_DIR, "dxcc_search_list.txt"), "w",
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
