#pragma once
// The land and the borders of the Beam Map, read from a TopoJSON topology:
// Natural Earth's 1:50m countries as the npm package world-atlas ships them
// ("countries-50m.json"), with the merged land beside the countries.
//
// A topology stores every line once, as an arc; polygons list their rings as
// arc numbers (~n for arc n walked backwards). Coordinates are quantized and
// delta-encoded. Rings run clockwise round what they enclose, as seen on a
// map with north up: the land lies on the right of every ring. The land's
// arcs are the coastline; an arc that two countries share is a border.
//
// Longitudes here are EAST positive, as in the file and in GeographicLib.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace qvk::beammap {

struct GeoPoint {
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
};

using GeoLine = std::vector<GeoPoint>;

// A ring as the arcs it walks: n for arc n, ~n for arc n backwards.
using ArcRing = std::vector<int>;
using ArcPolygon = std::vector<ArcRing>;  // the outer ring first, then holes

struct WorldOutlines {
    std::vector<GeoLine> arcs;
    std::vector<ArcPolygon> land;
    std::vector<int> coastArcs;   // every arc of the land's rings, once
    std::vector<int> borderArcs;  // arcs that two countries share
};

struct TopologyReading {
    std::optional<WorldOutlines> world;
    QString error;  // what is wrong, when world is empty
};

// Decodes a topology's bytes; `name` names it in the error.
TopologyReading decodeTopology(const QByteArray& json, const QString& name);

// Reads and decodes the file; the error names the file.
TopologyReading readTopologyFile(const QString& path);

// The arc a reference walks: n for both n and ~n.
inline int arcNumber(int reference) { return reference >= 0 ? reference : ~reference; }

}  // namespace qvk::beammap
