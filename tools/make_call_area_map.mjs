// Prints the state outlines of npm's us-atlas as JSON for make_call_area_map.py.
//
// Usage: node make_call_area_map.mjs MODULE_DIR GROUPS_JSON
//   MODULE_DIR   folder whose node_modules holds us-atlas@3.0.1 and topojson-client@3.1.0
//                (make_call_area_map.py installs them there)
//   GROUPS_JSON  {"FIPS id": "group", ...}: the call area of each state; borders between
//                states of different groups are printed apart so they can be drawn heavier
//
// The outlines come from states-albers-10m.json: the US Census Bureau's cartographic
// boundaries, already projected (Albers equal-area, Alaska and Hawaii moved below the
// lower 48) into a 975 x 610 frame. Coordinates are rounded to 0.01 so the output is stable.

import { createRequire } from "node:module";
import path from "node:path";

const [moduleDir, groupsJson] = process.argv.slice(2);
const require = createRequire(path.join(path.resolve(moduleDir), "node_modules", "x.js"));
const topology = require("us-atlas/states-albers-10m.json");
const { feature, mesh } = require("topojson-client");

const groups = JSON.parse(groupsJson);
const states = topology.objects.states;
const round = (value) => Math.round(value * 100) / 100;
const roundLines = (lines) => lines.map((line) => line.map(([x, y]) => [round(x), round(y)]));

// Every state as a list of polygons, each a list of rings (outer ring first).
const outlines = feature(topology, states).features.map((f) => ({
  id: f.id,
  name: f.properties.name,
  polygons: (f.geometry.type === "Polygon" ? [f.geometry.coordinates] : f.geometry.coordinates)
    .map((polygon) => roundLines(polygon)),
}));

const insets = new Set(Object.keys(groups).filter((id) => groups[id].startsWith("K")));
const lines = (filter) => roundLines(mesh(topology, states, filter).coordinates);

process.stdout.write(JSON.stringify({
  states: outlines,
  // Lines shared by two states of the same call area, and by two different areas.
  stateBorders: lines((a, b) => a !== b && groups[a.id] === groups[b.id]),
  areaBorders: lines((a, b) => a !== b && groups[a.id] !== groups[b.id]),
  // The coast and the land borders of the lower 48 (lines that belong to one state only).
  coast: lines((a, b) => a === b && !insets.has(a.id)),
}));
