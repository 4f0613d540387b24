#pragma once
// The country file qvk-calc looks calls up in: the one --cty names and no
// other, or else the newest of the program's three (catalogue/
// country_file_choice.h), with qvk-calc's own folder standing for the
// settings folder.

#include "catalogue/country_file_choice.h"

#include <optional>
#include <string>

namespace qvk::calc {

// Reports on standard error each candidate that exists but does not read;
// nullopt, with the reason reported, when no file reads.
std::optional<LoadedCountryFile> loadCountryFile(const std::optional<std::string>& ctyPath);

}  // namespace qvk::calc
