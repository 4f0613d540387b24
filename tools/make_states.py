#!/usr/bin/python3
# Regenerate data/states.txt (from the repository root):
#     /usr/bin/python3 tools/make_states.py
#
# Builds the master location file data/states.txt (the DXCC list) from AD1C's
# country file cty.csv as shipped by Debian's package hamradio-files
# (/usr/share/hamradio-files/cty.csv, MIT licence), then reads the written file
# back and checks it (see self_check below); any fault stops with exit code 1.
# The committed file was made from hamradio-files 20230502; a different cty.csv
# gives a different file, so the script names the input it expected.
#
# Options:
#     --cty PATH   read another cty.csv (for trying a newer country file)
#     --check      do not write; check the existing data/states.txt against cty.csv
#
# Line format (the program's reader relies on every part of it):
#     DX~<prefix field>  <name> (<continent> CQ<z> ITU<z>) N°dd.mm\W°ddd.mm
# Windows-1252, degree sign = byte 0xB0, CR LF line ends, at most 100
# characters after "DX~". Minutes are whole minutes 00-59, never a fraction.

import argparse
import hashlib
import re
import sys
from decimal import Decimal, ROUND_HALF_UP
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
OUT = ROOT / "data" / "states.txt"
CTY = Path("/usr/share/hamradio-files/cty.csv")
CTY_SHA256 = "64d55707a70bf1e04abefc7f649f426a0254a37e8aadee7393854dba57978159"  # hamradio-files 20230502
DEG = "\u00b0"
MAX_ENTRY = 100

# ---------------------------------------------------------------------------
# The program's DXCC prefix alias table: a typed alias (the whole text) is
# rewritten to its canonical prefix. Order as the program tries the aliases.
ALIAS_TABLE = [
    ("4J", ["4K"]),
    ("5H", ["5I"]),
    ("5N", ["5O"]),
    ("5R", ["5S"]),
    ("5Y", ["5Z"]),
    ("6V", ["6W"]),
    ("9I", ["9J"]),
    ("9Y", ["9Z"]),
    ("D2", ["D3"]),
    ("EI", ["EJ"]),
    ("EP", ["EQ"]),
    ("HC", ["HD"]),
    ("HJ", ["HK"]),
    ("HO", ["HP"]),
    ("HQ", ["HR"]),
    ("KH6", ["KH7"]),
    ("KP3", ["KP4"]),
    ("OK", ["OL"]),
    ("ZL", ["ZM"]),
    ("C8", ["C9"]),
    ("EM", ["EN", "EO"]),
    ("JT", ["JU", "JV"]),
    ("OA", ["OB", "OC"]),
    ("EU", ["EV", "EW"]),
    ("TA", ["TB", "TC"]),
    ("ZR", ["ZS", "ZT", "ZU"]),
    ("YO", ["YP", "YQ", "YR"]),
    ("4P", ["4Q", "4R", "4S"]),
    ("PJ5", ["PJ6"]),
    ("PJ7", ["PJ8"]),
    ("7T", ["7U", "7V", "7W", "7X", "7Y"]),
    ("9Q", ["9R", "9S", "9T"]),
    ("AP", ["AQ", "AR", "AS"]),
    ("CA", ["CB", "CC", "CD", "CE"]),
    ("CV", ["CW", "CX"]),
    ("EA", ["EB", "EC", "ED", "EE", "EF", "EG", "EH"]),
    ("OF", ["OG", "OH", "OI"]),
    ("SN", ["SO", "SP", "SQ", "SR"]),
    ("SV", ["SW", "SX", "SY", "SZ"]),
    ("UJ", ["UK", "UL", "UM"]),
    ("UN", ["UO", "UP", "UQ"]),
    ("UR", ["US", "UT", "UU", "UV", "UW", "UX", "UY", "UZ"]),
    ("EA6", ["EB6", "EC6", "ED6", "EE6", "EF6", "EG6", "EH6"]),
    ("EA8", ["EB8", "EC8", "ED8", "EE8", "EF8", "EG8", "EH8"]),
    ("EA9", ["EB9", "EC9", "ED9", "EE9", "EF9", "EG9", "EH9"]),
    ("DA", ["DB", "DC", "DD", "DE", "DF", "DG", "DH", "DI", "DJ", "DK", "DL"]),
    ("DU", ["DV", "DW", "DX", "DY", "DZ"]),
    ("ON", ["OO", "OP", "OQ", "OR", "OS", "OT"]),
    ("PA", ["PB", "PC", "PD", "PE", "PF", "PG", "PH", "PI"]),
    ("XA", ["XB", "XC", "XD", "XE", "XF", "XG", "XH", "XI"]),
    ("UA", ["UB", "UC", "UD", "UE", "UF", "UG", "UH", "UI"]),
    ("XA4", ["XB4", "XC4", "XD4", "XE4", "XF4", "XG4", "XH4", "XI4"]),
    ("YB", ["YC", "YD", "YE", "YF", "YG", "YH"]),
    ("LO", ["LP", "LQ", "LR", "LS", "LT", "LU", "LV", "LW"]),
    ("PP", ["PQ", "PR", "PS", "PT", "PU", "PV", "PW", "PX", "PY"]),
    ("LA", ["LB", "LC", "LD", "LE", "LF", "LG", "LH", "LI", "LJ", "LK",
            "LL", "LM", "LN"]),
    ("SA", ["SB", "SC", "SD", "SE", "SF", "SG", "SH", "SI", "SJ", "SK",
            "SL", "SM"]),
    ("JA", ["JB", "JC", "JD", "JE", "JF", "JG", "JH", "JI", "JJ", "JK",
            "JL", "JM", "JN", "JO", "JP", "JQ", "JR", "JS"]),
    ("AA", ["AB", "AC", "AD", "AE", "AF", "AG", "AH", "AI", "AJ", "AK"]),
    ("RA", ["RB", "RC", "RD", "RE", "RF", "RG", "RH", "RI", "RJ", "RK",
            "RL", "RM", "RN", "RO", "RP", "RQ", "RR", "RS", "RT", "RU",
            "RV", "RW", "RX", "RY", "RZ"]),
]
ALIAS = {a: c for c, row in ALIAS_TABLE for a in row}
CANONICAL = [c for c, _ in ALIAS_TABLE]

# Entities that the alias table reaches by more than one canonical prefix come
# out of the table by themselves (Ukraine: EM and UR; European Russia: UA and
# RA). The USA is also listed under its single-letter prefixes, so that typing
# K, N or W finds it. Keyed by DXCC entity number.
EXTRA_PREFIXES = {291: ["K", "N", "W"]}
EXPECTED_MULTI = {"Ukraine": 2, "European Russia": 2, "United States": 4}

# Names changed for the list: "(" may not appear in a name, and the DXCC
# entity 390 is Turkey (cty.csv names it after its Asian part because it
# keeps European Turkey apart for WAE).
NAME_FIX = {
    "Cocos (Keeling) Islands": "Cocos-Keeling Islands",
    "Timor - Leste": "Timor-Leste",
    "Asiatic Turkey": "Turkey",
}

# Entities whose own cty.csv prefix is an alias of the table. They are listed
# under that prefix all the same (picked from the list, not typed): typing it
# gives the canonical prefix and finds the entity the table names. A new case
# stops the script until it has been looked at and added here. There is none
# today: Sint Maarten's PJ7, once filed under PJ5 with all of PJ6-PJ8, is a
# canonical prefix of its own.
KEEP_ALIAS_PREFIX = set()


# ---------------------------------------------------------------------------
def check_alias_table():
    rows = sum(len(r) for _, r in ALIAS_TABLE)
    if len(CANONICAL) != 60 or rows != 266 or len(ALIAS) != 266:
        sys.exit(f"alias table: {len(CANONICAL)} canonical, {rows} aliases")
    if set(ALIAS) & set(CANONICAL):
        sys.exit("alias table: an alias is also a canonical prefix")


def typed(text):
    """What the list's text becomes when `text` is typed key by key: after
    each key the whole text is rewritten if it is an alias."""
    out = ""
    for ch in text.upper():
        out += ch
        out = ALIAS.get(out, out)
    return out


def range_field(canonical, prefixes):
    """Canonical prefix written as a range when the aliases of its row run on
    from it without a gap (DA-DL, EA6-EH6, KH6-KH7); otherwise the canonical
    prefix alone. The range covers only prefixes that cty.csv gives to the
    canonical's entity: it ends at the last alias that cty.csv gives to that
    entity before any alias it gives to another (PJ5-PJ6, not PJ5-PJ8: PJ7
    and PJ8 are Sint Maarten's). Aliases that cty.csv leaves unassigned (JB,
    JC, JD inside Japan's JA-JS) do not end a range."""
    row = dict(ALIAS_TABLE)[canonical]
    diff = [i for i in range(len(canonical)) if row[0][i] != canonical[i]]
    contiguous = len(diff) == 1 and all(
        len(a) == len(canonical)
        and a[:diff[0]] == canonical[:diff[0]]
        and a[diff[0] + 1:] == canonical[diff[0] + 1:]
        and ord(a[diff[0]]) == ord(canonical[diff[0]]) + n + 1
        for n, a in enumerate(row))
    if not contiguous:
        return canonical
    entity, last = cty_entity_of(canonical, prefixes), None
    for alias in row:
        owner = cty_entity_of(alias, prefixes)
        if owner == entity:
            last = alias
        elif owner is not None:
            break
    return f"{canonical}-{last}" if last else canonical


def angle(value, pos_side, neg_side):
    """Decimal degrees to "X°d.mm", minutes rounded half up (59.6' carries).
    cty.csv gives a few places as exactly 0.00 (KH1's latitude, CE9's
    longitude at the South Pole); they are written N°0.00 and W°0.00."""
    minutes = int((abs(Decimal(value)) * 60).quantize(Decimal(1), ROUND_HALF_UP))
    side = pos_side if Decimal(value) >= 0 else neg_side
    return f"{side}{DEG}{minutes // 60}.{minutes % 60:02d}"


# ---------------------------------------------------------------------------
def read_cty(path):
    """Entities (dicts) of cty.csv, WAE-only lines left out, and the list of
    (prefix, DXCC number) pairs that cty.csv itself maps to each entity."""
    entities, prefixes = [], []
    for line in path.read_text(encoding="ascii").splitlines():
        if not line.strip():
            continue
        f = line.split(",", 9)
        if len(f) != 10:
            sys.exit(f"cty.csv: bad line {line[:60]!r}")
        prim, name, num, cont, cq, itu, lat, lon = f[:8]
        for tok in [prim.lstrip("*")] + f[9].rstrip(";").split():
            if not tok.startswith("="):
                prefixes.append((re.sub(r"[(\[<{~].*$", "", tok), int(num)))
        if prim.startswith("*"):
            continue
        entities.append(dict(prefix=prim, name=name, num=int(num), cont=cont,
                             cq=int(cq), itu=int(itu), lat=lat, lon=lon))
    return entities, prefixes


def cty_entity_of(call_prefix, prefixes):
    """DXCC number that cty.csv's own prefix list gives for a prefix (longest
    match), or None."""
    best = max((p for p in prefixes if call_prefix.startswith(p[0].upper())),
               key=lambda p: len(p[0]), default=None)
    return best[1] if best else None


def build(entities, prefixes):
    by_num = {e["num"]: e for e in entities}
    by_prefix = {e["prefix"].upper(): e for e in entities}
    notes = []

    # Entity of each canonical prefix: the one whose cty prefix is the
    # canonical itself, else the one whose cty prefix is an alias of its row,
    # else the one that cty.csv's prefix list gives for the canonical.
    canon_num = {}
    for c, row in ALIAS_TABLE:
        if c in by_prefix:
            e = by_prefix[c]
        else:
            hits = [by_prefix[a] for a in row if a in by_prefix]
            e = hits[0] if len(hits) == 1 else by_num[cty_entity_of(c, prefixes)]
        canon_num[c] = e["num"]
        if cty_entity_of(c, prefixes) != e["num"]:
            notes.append(f"canonical {c}: cty.csv maps it to entity "
                         f"{cty_entity_of(c, prefixes)}, used {e['prefix']}")
        for a in row:
            got = cty_entity_of(a, prefixes)
            if got != e["num"]:
                other = (f"gives {a} to {by_num[got]['name']}" if got in by_num
                         else f"has no prefix {a}")
                notes.append(f"alias {a} -> {c} ({e['name']}), but cty.csv "
                             f"{other}")

    records = []
    for e in entities:
        # cty.csv's pseudo-prefixes (FT/w, 3D2/c, VP8/g) are written in
        # capitals, FT/W, as DXCC lists write them; the program turns typed
        # letters into capitals anyway.
        own = e["prefix"].upper()
        fields = [range_field(c, prefixes) for c in CANONICAL if canon_num[c] == e["num"]]
        fields += EXTRA_PREFIXES.get(e["num"], [])
        if not fields:
            if own in ALIAS:
                # Typing it gives another entity's prefix; listed anyway, but
                # only where that has been looked at (KEEP_ALIAS_PREFIX).
                if own not in KEEP_ALIAS_PREFIX:
                    sys.exit(f"{e['name']}: cty.csv prefix {own} is an alias "
                             f"of {ALIAS[own]}; decide and add it to "
                             f"KEEP_ALIAS_PREFIX")
                fields = [own]
            elif typed(own) != own:
                # A leading part of the prefix is an alias (CE of CE0Y), so
                # typing the prefix turns it into typed(own); the field begins
                # with that and ends with cty.csv's prefix, as HC8-HD8 does.
                fields = [f"{typed(own)}-{own}"]
            else:
                fields = [own]
        if fields != [e["prefix"]] or own in ALIAS:
            how = ", ".join(fields)
            if own in ALIAS and fields == [own]:
                how += (f", which cannot be typed (typing {own} gives "
                        f"{ALIAS[own]}: {by_prefix[ALIAS[own]]['name']})")
            notes.append(f"{e['name']}: cty.csv prefix {e['prefix']}, "
                         f"listed as {how}")
        name = NAME_FIX.get(e["name"], e["name"])
        if name != e["name"]:
            notes.append(f"name {e['name']!r} written as {name!r}")
        pos = angle(e["lat"], "N", "S") + "\\" + angle(e["lon"], "W", "E")
        for field in fields:
            text = (f"{field}  {name} ({e['cont']} CQ{e['cq']} ITU{e['itu']})"
                    f" {pos}")
            records.append(dict(text=text, entity=e, field=field))
    records.sort(key=lambda r: r["text"].lower())
    return records, notes


def encode(records):
    return b"".join(("DX~" + r["text"] + "\r\n").encode("cp1252")
                    for r in records)


# ---------------------------------------------------------------------------
LINE_RE = re.compile(
    r"DX~(?P<field>[A-Z0-9/]+(?:-[A-Z0-9/]+)?)  "
    r"(?P<name>[A-Za-z0-9.,'&-]+(?: [A-Za-z0-9.,'&-]+)*) "
    r"\((?:AF|AN|AS|EU|NA|OC|SA) CQ[1-9][0-9]? ITU[1-9][0-9]?\) "
    r"(?P<ns>[NS])\u00b0(?P<latd>0|[1-9][0-9]?)\.(?P<latm>[0-5][0-9])\\"
    r"(?P<we>[WE])\u00b0(?P<lond>0|[1-9][0-9]{0,2})\.(?P<lonm>[0-5][0-9])")


def self_check(data, entities, prefixes, unreachable=KEEP_ALIAS_PREFIX):
    """Checks the bytes of a written file against cty.csv: each entity is
    listed, can be found by its prefix and has its own prefix ranges."""
    errors = []
    err = errors.append
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as exc:
        return [f"not Windows-1252: {exc}"]
    if not data.endswith(b"\r\n") or data.count(b"\n") != data.count(b"\r\n") \
            or data.count(b"\r") != data.count(b"\r\n"):
        err("line ends are not all CR LF")
    if re.search(r"[^\x20-\x7e\u00b0\r\n]", text):
        err("characters other than printable ASCII and the degree sign")
    lines = text.split("\r\n")[:-1]
    entries = []
    for ln in lines:
        m = LINE_RE.fullmatch(ln)
        if not m:
            err(f"bad line: {ln!r}")
            continue
        if len(ln) - 3 > MAX_ENTRY:
            err(f"longer than {MAX_ENTRY} after DX~: {ln!r}")
        lat = int(m["latd"]) + int(m["latm"]) / 60
        lon = int(m["lond"]) + int(m["lonm"]) / 60
        if lat > 90 or lon > 180:
            err(f"coordinate out of range: {ln!r}")
        entries.append(dict(text=ln[3:], field=m["field"], name=m["name"],
                            lat=lat * (1 if m["ns"] == "N" else -1),
                            lon=lon * (1 if m["we"] == "W" else -1)))
    if [e["text"] for e in entries] != sorted((e["text"] for e in entries),
                                              key=str.lower):
        err("lines are not in case-insensitive order")

    # Canonical prefixes: each begins exactly one field, written as its range.
    def begins(field, p):
        return field == p or field.startswith(p + "-")
    for c in CANONICAL:
        hits = [e["field"] for e in entries if begins(e["field"], c)]
        if hits != [range_field(c, prefixes)]:
            err(f"canonical {c}: fields {hits}, expected [{range_field(c, prefixes)}]")
    # An alias at the head of a field cannot be typed (it is rewritten).
    for e in entries:
        for a in ALIAS:
            if begins(e["field"], a) and a not in unreachable:
                err(f"field begins with alias {a}: {e['text']!r}")
    # One line per entity, save the entities listed under several prefixes.
    counts = {}
    for e in entries:
        counts[e["name"]] = counts.get(e["name"], 0) + 1
    for name, n in counts.items():
        if n != EXPECTED_MULTI.get(name, 1):
            err(f"{name}: {n} lines")

    # Typed search as the program does it: the typed text goes through the
    # alias table key by key, then the first line (case-insensitive order)
    # that begins with it is highlighted.
    def found(prefix):
        t = typed(prefix).lower()
        return next((e for e in entries if e["text"].lower().startswith(t)),
                    None)
    for e in entries:
        for p in e["field"].split("-"):
            hit = found(p)
            if p not in unreachable and (hit is None or hit["name"] != e["name"]):
                err(f"typing {p} finds {hit and hit['text']!r}, "
                    f"not {e['text']!r}")
    for a, c in ALIAS.items():
        hit, want = found(a), found(c)
        if hit is None or hit is not want or not begins(hit["field"], c):
            err(f"typing alias {a} does not find the line of {c}")

    by_name = {}
    for e in entries:
        by_name.setdefault(e["name"], []).append(e)
    if len(entries) != len(entities) + sum(EXPECTED_MULTI.values()) \
            - len(EXPECTED_MULTI):
        err(f"{len(entries)} lines for {len(entities)} entities")
    for ent in entities:
        name = NAME_FIX.get(ent["name"], ent["name"])
        mine = by_name.get(name, [])
        if not mine:
            err(f"entity {ent['prefix']} {ent['name']} not listed")
            continue
        own = ent["prefix"].upper()
        hit = found(own)
        if own not in unreachable and (hit is None or hit["name"] != name):
            err(f"typing {own} does not find {name}")
        # Position: within half a minute of cty.csv, on the same side (west
        # positive).
        for line in mine:
            for got, src in ((line["lat"], ent["lat"]),
                             (line["lon"], ent["lon"])):
                src = float(src)
                if abs(got - src) > 0.5 / 60 + 1e-9 or got * src < 0:
                    err(f"{name}: position {got:.4f} against {src}")
    return errors


# ---------------------------------------------------------------------------
def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--cty", type=Path, default=CTY)
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()
    check_alias_table()

    raw = args.cty.read_bytes()
    digest = hashlib.sha256(raw).hexdigest()
    if digest != CTY_SHA256:
        print(f"note: {args.cty} is not the cty.csv the committed file was "
              f"made from (sha256 {digest})", file=sys.stderr)
    entities, prefixes = read_cty(args.cty)
    records, notes = build(entities, prefixes)
    if not args.check:
        OUT.parent.mkdir(parents=True, exist_ok=True)
        OUT.write_bytes(encode(records))
        for n in notes:
            print("note:", n)
    errors = self_check(OUT.read_bytes(), entities, prefixes)
    for e in errors:
        print("FAIL:", e, file=sys.stderr)
    what = "checked" if args.check else "wrote"
    print(f"{what} {OUT.relative_to(ROOT)}: {len(records)} lines, "
          f"{len(entities)} entities; self-check "
          f"{'FAILED' if errors else 'passed'}")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
