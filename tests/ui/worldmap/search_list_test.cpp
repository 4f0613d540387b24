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
    const SearchList list = splitSearchList(
        {"1A0  Malta   #a577#b162", "1S  Spratly Island   #c865#d225", "FR/G  Glorioso Islands   #a676#b317"});
    EXPECT_EQ(list.shown, QStringList({"1A0  Malta", "1S  Spratly Island", "FR/G  Glorioso Islands"}));
    EXPECT_EQ(list.tails, QStringList({"#a577#b162", "#c865#d225", "#a676#b317"}));
}

TEST(WorldMapSearchList, TheShownTextEndsAtTheFirstThreeBlanksBeforeAHash)
{
    // "&", "'", "," and parentheses belong to the name, as do single blanks
    const SearchList list = splitSearchList({"TU  Cote d'Ivoire   #a510#b258", "P5  Korea, DPR of (N.)   #a930#b140"});
    EXPECT_EQ(list.shown, QStringList({"TU  Cote d'Ivoire", "P5  Korea, DPR of (N.)"}));
    EXPECT_EQ(list.tails, QStringList({"#a510#b258", "#a930#b140"}));
}

TEST(WorldMapSearchList, AnEntryWithoutATailIsShownWholeWithAnEmptyTail)
{
    const SearchList list = splitSearchList({"XX  Nowhere"});
    EXPECT_EQ(list.shown, QStringList({"XX  Nowhere"}));
    EXPECT_EQ(list.tails, QStringList({QString()}));
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

TEST(WorldMapSearchList, TheTellingEntriesCarryTheirPositions)
{
    const QStringList entries = builtInSearchEntries();
    for (const char* entry :
         {"1A0  Malta   #a577#b162", "1S  Spratly Island   #c865#d225", "K  United States of America   #a200#b152",
          "W  United States   #a199#b151", "KH3  Johnston Island   #c0#d210", "KC4  Antarctica   #a878#b537",
          "JW  Svalbard   #a567#b030", "5W  Samoa   #a1101#b328", "FG  Guadeloupe   #c313#d211",
          "V7  Marshall Island   #c1#d222", "N  United States of America   #a200#b152",
          "AA-AK  United States of America   #a200#b152"})
        EXPECT_TRUE(entries.contains(entry)) << entry;
    EXPECT_EQ(entries.filter("   #c313#d211").size(), 24);  // with Curacao, Bonaire, Saba and Sint Maarten
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
