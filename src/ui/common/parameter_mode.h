#pragma once
// What InitializeParameters does with a window's settings file.

namespace qvk::ui {

enum class ParameterMode {
    ProgramStart,     // read the file
    ParameterUpdate,  // write it
    ProgramUpdate,    // nothing
};

}  // namespace qvk::ui
