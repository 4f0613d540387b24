// Puts the Beam Map's land and borders into data/: Natural Earth's 1:50m
// admin-0 countries as the npm package world-atlas ships them (TopoJSON, with
// the merged "land" beside the "countries"), unchanged, so that the file can
// always be traced to its source byte for byte.
//
//   node tools/make_beam_map_data.mjs            # installs the package, copies the file
//   node tools/make_beam_map_data.mjs --check    # only checks the committed file
//
// Installs world-atlas@2.0.2 with npm into /tmp/qvk-beammap (a scratch
// folder, never this repository). Both modes check that the file holds what
// the program reads: a quantized topology with the objects "land" and
// "countries" made of polygons.

import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, existsSync, mkdirSync, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const root = path.dirname(path.dirname(fileURLToPath(import.meta.url)));
const target = path.join(root, 'data', 'countries-50m.json');
const scratch = '/tmp/qvk-beammap';
const version = '2.0.2';
const packaged = path.join(scratch, 'node_modules', 'world-atlas', 'countries-50m.json');

function installPackage() {
  const manifest = path.join(scratch, 'node_modules', 'world-atlas', 'package.json');
  if (existsSync(manifest) && JSON.parse(readFileSync(manifest)).version === version) return;
  mkdirSync(scratch, { recursive: true });
  execFileSync('npm', ['install', '--prefix', scratch, '--no-save', '--no-package-lock', '--no-audit', '--no-fund',
    `world-atlas@${version}`], { stdio: 'inherit' });
}

function sha256(file) {
  return createHash('sha256').update(readFileSync(file)).digest('hex');
}

function checkTopology(file) {
  const topology = JSON.parse(readFileSync(file));
  const problems = [];
  if (topology.type !== 'Topology') problems.push('not a TopoJSON topology');
  if (!topology.transform?.scale || !topology.transform?.translate) problems.push('not quantized');
  for (const name of ['land', 'countries']) {
    const object = topology.objects?.[name];
    if (object?.type !== 'GeometryCollection') problems.push(`no geometry collection "${name}"`);
    const kinds = new Set((object?.geometries ?? []).map((g) => g.type));
    for (const kind of kinds)
      if (kind !== 'Polygon' && kind !== 'MultiPolygon' && kind !== null) problems.push(`"${name}" holds ${kind}`);
  }
  if (problems.length) throw new Error(`${file}: ${problems.join('; ')}`);
  const points = topology.arcs.reduce((sum, arc) => sum + arc.length, 0);
  console.log(`${path.relative(root, file)}: ${topology.arcs.length} arcs, ${points} points, ` +
    `${topology.objects.countries.geometries.length} countries, sha256 ${sha256(file)}`);
}

const checkOnly = process.argv.includes('--check');
if (!checkOnly) {
  installPackage();
  copyFileSync(packaged, target);
} else if (existsSync(packaged) && sha256(packaged) !== sha256(target)) {
  throw new Error(`${target} differs from world-atlas@${version}'s countries-50m.json`);
}
checkTopology(target);
