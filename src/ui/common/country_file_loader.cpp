#include "ui/common/country_file_loader.h"

#include "ui/common/screen_text.h"

#include <QtConcurrent/QtConcurrentRun>

namespace qvk::ui {

CountryFileLoader::CountryFileLoader(std::vector<std::filesystem::path> candidates, QObject* parent) : QObject(parent)
{
    reading_ = QtConcurrent::run([candidates = std::move(candidates)] {
        return std::make_shared<const CountryFileChoice>(chooseNewestCountryFile(candidates));
    });
    connect(&watcher_, &QFutureWatcher<Choice>::finished, this, [this] {
        // paths and the file's own bytes, as the operating system gives them
        const std::string report = countryFileChoiceReport(*reading_.result());
        if (!report.empty()) emit problemsFound(fromSystemText(report));
    });
    watcher_.setFuture(reading_);
}

CountryFileLoader::~CountryFileLoader() { reading_.waitForFinished(); }

const LoadedCountryFile* CountryFileLoader::file()
{
    if (!choice_) choice_ = reading_.result();
    return choice_->file ? &*choice_->file : nullptr;
}

}  // namespace qvk::ui
