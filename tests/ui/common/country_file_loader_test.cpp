// The country file read on a worker thread: a lookup never finds it missing
// because it came early, and a damaged file is reported once.

#include "qstring_printer.h"
#include "ui/common/country_file_loader.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace qvk::ui {
namespace {

const std::filesystem::path kShipped = std::filesystem::path(QVK_DATA_DIR) / "cty.csv";

TEST(CountryFileLoader, ALookupRightAfterTheStartWaitsForTheFile)
{
    CountryFileLoader loader({kShipped});
    const LoadedCountryFile* file = loader.file();  // no event loop has run: the reading may be under way
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->path, kShipped);
    EXPECT_EQ(file->data.version, "20230502");
    EXPECT_EQ(loader.file(), file);
}

TEST(CountryFileLoader, ADamagedFileIsReportedOnceFromTheEventLoop)
{
    QTemporaryDir folder;
    const std::filesystem::path damaged = folder.filePath("cty.csv").toStdString();
    std::ofstream(damaged, std::ios::binary) << "K,Mine,291,NA,5,8,37.60,91.87,5.0,K =VER29991231\r\n";
    CountryFileLoader loader({damaged, kShipped});
    QSignalSpy reports(&loader, &CountryFileLoader::problemsFound);
    EXPECT_EQ(loader.file()->path, kShipped);
    QTRY_COMPARE(reports.count(), 1);
    EXPECT_EQ(reports.at(0).at(0).toString(),
              QString::fromStdString("Country file " + damaged.string() +
                                     ", line 1: the alias list does not end with \";\".\n"
                                     "Callsigns are looked up in " +
                                     kShipped.string() + " instead."));
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.count(), 1);
}

TEST(CountryFileLoader, WithoutAnyFileThereIsNoneAndNothingToReport)
{
    CountryFileLoader loader({"/nonexistent/cty.csv"});
    EXPECT_EQ(loader.file(), nullptr);
}

}  // namespace
}  // namespace qvk::ui
