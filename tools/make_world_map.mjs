// Helper of tools/make_world_map.py: turns Natural Earth's 1:50m admin-0
// countries (npm world-atlas, TopoJSON) into plain longitude/latitude rings
// and lines that the Python script projects and draws.
//
//   node tools/make_world_map.mjs SCRATCH_DIR > world.json
//
// SCRATCH_DIR is the folder where make_world_map.py installed the pinned npm
// packages world-atlas@2.0.2 and topojson-client@3.1.0 (never this
// repository). Run make_world_map.py rather than this file.

import { createRequire } from 'node:module';
import path from 'node:path';

const scratch = path.resolve(process.argv[2] ?? '/tmp/qvk-worldmap');
const require = createRequire(path.join(scratch, 'package.json'));
const topojson = require('topojson-client');
const topo = require('world-atlas/countries-50m.json');
const countries = topo.objects.countries;

// Parts that a plain political map shows inside another country.
const partOf = {
  'Somaliland': 'Somalia',
  'N. Cyprus': 'Cyprus',
  'Siachen Glacier': 'India',
};
const group = (g) => partOf[g.properties.name] ?? g.properties.name;

// Five decimals (about one metre) keep the file small and stable.
const round = (v) => Math.round(v * 1e5) / 1e5;
const line = (l) => l.map(([lon, lat]) => [round(lon), round(lat)]);

const out = { countries: [], coast: [], borders: [] };
for (const f of topojson.feature(topo, countries).features) {
  const g = f.geometry;
  const polygons = g.type === 'Polygon' ? [g.coordinates] : g.coordinates;
  out.countries.push({
    name: f.properties.name,
    group: partOf[f.properties.name] ?? f.properties.name,
    polygons: polygons.map((p) => p.map(line)),
  });
}
out.coast = topojson
  .mesh(topo, countries, (a, b) => a === b)
  .coordinates.map(line);
out.borders = topojson
  .mesh(topo, countries, (a, b) => a !== b && group(a) !== group(b))
  .coordinates.map(line);

process.stdout.write(JSON.stringify(out));
