#pragma once
// The country file qvk-calc looks calls up in: the one --cty names and no
// other, or else the newest of the program's three (catalogue/
// country_file_choice.h), found as the program finds them: the operator's
// copy in the program's settings folder, the system's, and the shipped one
// in the program's data folder (settings/program_folders.h). qvk-calc only
// reads: it never creates the settings folder.

#include "catalogue/country_file_choice.h"

#include <optional>
#include <string>

namespace qvk::calc {

// Reports on standard error each candidate that exists but does not read;
// nullopt, with the reason reported, when no file reads.
std::optional<LoadedCountryFile> loadCountryFile(const std::optional<std::string>& ctyPath);

}  // namespace qvk::calc
