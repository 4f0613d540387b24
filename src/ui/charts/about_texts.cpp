#include "ui/charts/about_texts.h"

#include <QStringList>

namespace qvk::ui {

namespace {

// Leading and trailing blanks are part of the lines.
const QStringList firstParagraph = {
    "  The Amateur Radio QVK can be used to quickly locate",
    "the correct heading for a directional antenna.  The direction calculated will be",
    "the shortest distance (as the crow flies) between the latitude and longitude of",
    "the home QTH and  latitude and longitude of the selected country or U.S. ",
    "city/state.  To display the long path, double click on the 'Degrees:' label.",
    "Except where additional locations within a country are listed, the antenna ",
    "heading will be toward the center of the chosen country.",
    "(Exception: Russia points to western Russia.)",
};

const QStringList stateButtonParagraph = {
    "  Upon clicking on a U.S. state button, the direction will be calculated from the",
    "home QTH to the center of the chosen state.  Further narrowing of the direction",
    "can be done by selecting a city from the city list for that state.",
};

const QStringList usageNotes = {
    "  When the DXCC list has been chosen, the list can be sorted by call sign or by",
    "country, by clicking the small 'S' button to the right of the country selection box.",
    " ",
    "  The home QTH  latitude and longitude parameters are entered into the",
    "preferences window.  Also set the time offset for the home QTH for the ",
    "sunset / sunrise times to be correct.  The degrees.minutes should be",
    "actual degrees.minutes: dd.00-59 (not a percent of 60 minutes: dd.00-99).",
    " ",
    "  The antenna should be set to true north (not magnetic north) for the ",
    "calculations to be correct.",
    " ",
    "  If the information is not fully displayed in the status bar at the bottom of the",
    "window, double click on the status bar to expand the panel.",
};

}  // namespace

std::vector<AboutText> aboutTexts()
{
    return {
        {"Label7", {125, 8}, 0, QStringLiteral("Amateur Radio QVK  ") + QVK_VERSION},
        {"Label2", {143, 22}, 0, "Amateur Radio QVK developers"},
        {"Label1", {9, 44}, 364, firstParagraph.join('\n')},
        {"Label4", {9, 160}, 373, stateButtonParagraph.join('\n')},
        {"Label3", {9, 216}, 371, usageNotes.join('\n')},
    };
}

}  // namespace qvk::ui
