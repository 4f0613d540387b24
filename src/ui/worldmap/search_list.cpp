#include "ui/worldmap/search_list.h"

#include <QFile>

namespace qvk::ui {
namespace {

// The tail list's own limit, kept even though no tail comes near it.
constexpr int kMaxTailLength = 100;

}  // namespace

SearchList splitSearchList(const QStringList& entries)
{
    SearchList list;
    for (const QString& entry : entries) {
        const qsizetype tailStart = entry.indexOf("   #");
        list.shown << (tailStart < 0 ? entry : entry.left(tailStart));
        const qsizetype hash = entry.indexOf('#');
        list.tails << (hash < 0 ? QString() : entry.mid(hash, kMaxTailLength));
    }
    return list;
}

QStringList builtInSearchEntries()
{
    QFile file(":/worldmap/dxcc_search_list.txt");
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace qvk::ui
