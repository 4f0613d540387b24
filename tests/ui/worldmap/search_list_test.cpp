// The World Map's search list as the program carries it, and its split into
// the shown entries and the hidden coordinate tails.

#include "qstring_printer.h"
#include "ui/worldmap/map_geometry.h"
#include "ui/worldmap/search_list.h"

#include <QSet>

#include <gtest/gtest.h>

namespace qvk::ui {
namespace {

TEST(WorldMapSearchList, SplitsEachEntryIntoItsShownTextAndItsTail)
{
    const SearchList list = splitSearchList({"1A0  Malta   #a577#b162", "1S  Spratly Island   #c865#d225",
                                             "FR/G  Glorioso Islands   #a676#b317",
                                             // the shown text ends at the first three blanks before a hash: "&", "'",
                                             // "," and parentheses belong to the name, as do single blanks
                                             "TU  Cote d'Ivoire   #a510#b258", "P5  Korea, DPR of (N.)   #a930#b140",
                                             // without a tail: shown whole, with an empty tail
                                             "XX  Nowhere"});
    EXPECT_EQ(list.shown, QStringList({"1A0  Malta", "1S  Spratly Island", "FR/G  Glorioso Islands",
                                       "TU  Cote d'Ivoire", "P5  Korea, DPR of (N.)", "XX  Nowhere"}));
    EXPECT_EQ(list.tails,
              QStringList({"#a577#b162", "#c865#d225", "#a676#b317", "#a510#b258", "#a930#b140", QString()}));
}

TEST(WorldMapSearchList, TheProgramCarries398EntriesInTheirOwnOrder)
{
    const SearchList list = splitSearchList(builtInSearchEntries());
    ASSERT_EQ(list.shown.size(), 398);
    ASSERT_EQ(list.tails.size(), 398);
    EXPECT_EQ(list.shown.first(), "1A0  Malta");
    EXPECT_EQ(list.shown.last(), "ZS8  Prince Edward Island & Marion Island");
    // not sorted: each of these follows the entry before it in the design
    for (const auto& [before, after] :
         std::vector<std::pair<QString, QString>>{{"3W  Vietnam", "XV  Vietnam"},
                                                  {"BT  China", "BY  China"},
                                                  {"BY  China", "BV  Taiwan"},
                                                  {"HS  Thailand", "E2  Thailand"},
                                                  {"AA-AK  United States of America", "KC4  Antarctica"},
                                                  {"VU  Nicobar Island", "W  United States"},
                                                  {"ZL9  Auckland Island & Campbell Island", "ZL-ZM  New Zealand"}}) {
        const qsizetype index = list.shown.indexOf(before);
        ASSERT_GE(index, 0) << before.toStdString();
        EXPECT_EQ(list.shown.value(index + 1), after);
    }
    EXPECT_EQ(QSet<QString>(list.shown.begin(), list.shown.end()).size(), 398) << "two shown entries are equal";
}

TEST(WorldMapSearchList, EveryTailIsAnArrowOrASquareOnThePicture)
{
    int arrows = 0, squares = 0;
    for (const QString& tail : splitSearchList(builtInSearchEntries()).tails) {
        const auto marker = markerFromTail(tail);
        ASSERT_TRUE(marker) << tail.toStdString();
        (marker->kind == MapMarker::Arrow ? arrows : squares) += 1;
        EXPECT_TRUE(marker->x >= 0 && marker->x <= 1101 && marker->y >= 26 && marker->y <= 537) << tail.toStdString();
    }
    EXPECT_EQ(arrows, 322);
    EXPECT_EQ(squares, 76);
}

}  // namespace
}  // namespace qvk::ui
