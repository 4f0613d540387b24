#pragma once
// The country file, read off the start-up path: the newest of the candidates
// is chosen and parsed on a thread of Qt's pool while the program goes on,
// and a lookup that comes before the reading is done waits for it (a matter
// of milliseconds, see docs/benchmarks.md).

#include "catalogue/country_file_choice.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <vector>

namespace qvk::ui {

class CountryFileLoader : public QObject {
    Q_OBJECT
public:
    // Starts reading at once (catalogue/country_file_choice.h chooses).
    explicit CountryFileLoader(std::vector<std::filesystem::path> candidates, QObject* parent = nullptr);
    // Waits for a reading still under way: it cannot be cut short.
    ~CountryFileLoader() override;

    // The file in use, or nullptr when none reads; waits for the reading.
    const LoadedCountryFile* file();

signals:
    // Once the reading is done, delivered by the event loop, and only when a
    // file was passed over: countryFileChoiceReport's text.
    void problemsFound(const QString& report);

private:
    using Choice = std::shared_ptr<const CountryFileChoice>;
    QFuture<Choice> reading_;
    QFutureWatcher<Choice> watcher_;
    Choice choice_;  // once waited for
};

}  // namespace qvk::ui
