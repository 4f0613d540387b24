// Callsigns in the location list: a call typed where an entry would be
// chosen points the antenna at its DXCC entity, found through AD1C's
// country file.

#include "catalogue/list_callsign.h"
#include "ui/common/country_file_loader.h"
#include "ui/common/platform.h"
#include "ui/common/screen_text.h"
#include "ui/common/search_combo_box.h"
#include "ui/mainwindow/ham_df1.h"

namespace qvk::ui {

// The operator's copy in the settings folder, the system's and the shipped
// one: the newest is read on a worker thread from the end of the start-up
// work, so that it does not compete with building and showing the windows.
// A callsign committed before then starts the reading itself.
void THamDF1::startReadingCountryFile()
{
    if (countryFile_) return;
    countryFile_ = new CountryFileLoader(
        countryFileCandidates(toFileSystemPath(platform_.settingsFolder()), toFileSystemPath(platform_.dataFolder())),
        this);
    connect(countryFile_, &CountryFileLoader::problemsFound, this,
            [this](const QString& report) { platform_.showWarning(report); });
}

CountryFileLoader& THamDF1::countryFile()
{
    startReadingCountryFile();
    return *countryFile_;
}

// A commit whose text has no position: a callsign gives the heading to its
// entity, or the warning why it has none. False for any other text, which
// keeps the warning of an entry without a position.
bool THamDF1::commitCallsign(const QString& text)
{
    const std::string typed = fromScreen(text);
    // only a callsign waits for the country file, should its reading still be under way
    if (!isCallsign(typed)) return false;
    const LoadedCountryFile* file = countryFile().file();
    const auto callsign = file ? callsignOfListText(file->data, typed) : callsignWithoutCountryFile(typed);
    if (!callsign) return false;
    if (!callsign->warning.empty()) {
        warnNearCentre(platform_, toScreen(callsign->warning));
        locationList_->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // the call as it was looked up, trimmed and in capitals, selected so that the next call replaces it
    locationList_->showText(toScreen(callsign->lookup.call));
    showCommittedTarget("   " + toScreen(callsign->statusText), callsign->position);
    return true;
}

}  // namespace qvk::ui
