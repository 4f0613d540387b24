#include "ui/beammap/world_topology.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

namespace qvk::beammap {
namespace {

struct Quantization {
    double scaleX = 1, scaleY = 1, translateX = 0, translateY = 0;
};

std::optional<GeoLine> decodeArc(const QJsonArray& positions, const Quantization& q)
{
    GeoLine line;
    line.reserve(static_cast<std::size_t>(positions.size()));
    double x = 0, y = 0;
    for (const QJsonValue& value : positions) {
        const QJsonArray delta = value.toArray();
        if (delta.size() < 2 || !delta[0].isDouble() || !delta[1].isDouble()) return std::nullopt;
        x += delta[0].toDouble();
        y += delta[1].toDouble();
        line.push_back({y * q.scaleY + q.translateY, x * q.scaleX + q.translateX});
    }
    return line;
}

// The polygons of a Polygon or MultiPolygon geometry; nullopt for another kind
// or an arc number outside the topology.
std::optional<std::vector<ArcPolygon>> polygonsOf(const QJsonObject& geometry, int arcCount)
{
    const QString type = geometry["type"].toString();
    const QJsonArray arcs = geometry["arcs"].toArray();
    std::vector<QJsonArray> polygonTexts;
    if (type == "Polygon")
        polygonTexts.push_back(arcs);
    else if (type == "MultiPolygon")
        for (const QJsonValue& polygon : arcs) polygonTexts.push_back(polygon.toArray());
    else
        return std::nullopt;
    std::vector<ArcPolygon> polygons;
    for (const QJsonArray& rings : polygonTexts) {
        ArcPolygon polygon;
        for (const QJsonValue& ring : rings) {
            ArcRing arcRing;
            for (const QJsonValue& reference : ring.toArray()) {
                const int n = reference.toInt(arcCount);
                if (arcNumber(n) >= arcCount) return std::nullopt;
                arcRing.push_back(n);
            }
            if (!arcRing.empty()) polygon.push_back(std::move(arcRing));
        }
        if (!polygon.empty()) polygons.push_back(std::move(polygon));
    }
    return polygons;
}

// Every arc the polygons walk, in either direction, once.
void addArcsWalked(const std::vector<ArcPolygon>& polygons, std::set<int>& arcs)
{
    for (const ArcPolygon& polygon : polygons)
        for (const ArcRing& ring : polygon)
            for (int reference : ring) arcs.insert(arcNumber(reference));
}

}  // namespace

TopologyReading decodeTopology(const QByteArray& json, const QString& name)
{
    const auto failure = [&](const QString& problem) { return TopologyReading{std::nullopt, name + ": " + problem}; };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull()) return failure("not JSON (" + parseError.errorString() + ")");
    const QJsonObject topology = document.object();
    if (topology["type"].toString() != "Topology") return failure("not a TopoJSON topology");

    Quantization q;
    const QJsonObject transform = topology["transform"].toObject();
    if (!transform.isEmpty()) {
        const QJsonArray scale = transform["scale"].toArray();
        const QJsonArray translate = transform["translate"].toArray();
        q = {scale[0].toDouble(), scale[1].toDouble(), translate[0].toDouble(), translate[1].toDouble()};
    }

    WorldOutlines world;
    const QJsonArray arcs = topology["arcs"].toArray();
    for (int i = 0; i < arcs.size(); ++i) {
        auto arc = decodeArc(arcs[i].toArray(), q);
        if (!arc) return failure(QString("arc %1 holds a position that is not two numbers").arg(i));
        world.arcs.push_back(std::move(*arc));
    }
    const int arcCount = static_cast<int>(world.arcs.size());

    const QJsonObject objects = topology["objects"].toObject();
    for (const QString object : {"land", "countries"})
        if (!objects[object].isObject()) return failure("no \"" + object + "\" object");

    std::set<int> coast;
    for (const QJsonValue& geometry : objects["land"].toObject()["geometries"].toArray()) {
        const auto polygons = polygonsOf(geometry.toObject(), arcCount);
        if (!polygons) return failure("a land geometry that is not a polygon of the topology's arcs");
        addArcsWalked(*polygons, coast);
        world.land.insert(world.land.end(), polygons->begin(), polygons->end());
    }
    world.coastArcs.assign(coast.begin(), coast.end());

    // an arc two countries walk is the border between them
    std::vector<int> countriesUsing(world.arcs.size(), 0);
    for (const QJsonValue& geometry : objects["countries"].toObject()["geometries"].toArray()) {
        const auto polygons = polygonsOf(geometry.toObject(), arcCount);
        if (!polygons) continue;  // a country without an outline draws no border
        std::set<int> arcsOfCountry;
        addArcsWalked(*polygons, arcsOfCountry);
        for (int arc : arcsOfCountry) ++countriesUsing[static_cast<std::size_t>(arc)];
    }
    for (int arc = 0; arc < arcCount; ++arc)
        if (countriesUsing[static_cast<std::size_t>(arc)] >= 2) world.borderArcs.push_back(arc);

    if (world.land.empty()) return failure("no land");
    return {std::move(world), {}};
}

TopologyReading readTopologyFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, "Cannot open file " + path + "."};
    return decodeTopology(file.readAll(), path);
}

}  // namespace qvk::beammap
