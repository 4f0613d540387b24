#pragma once
// The name the program goes by on the desktop.
//
// As the application's display name it is what Qt's window-system plugins
// (X11, Wayland) add to every caption they pass on: "Home Parameters" reaches
// the title bar as "Home Parameters — Amateur Radio QVK", a warning box as
// "Warning — Amateur Radio QVK". A caption that ends in the name itself, as
// the main window's and the error box's do, is passed on unchanged. The
// windows' own captions stay as they are.

class QGuiApplication;

namespace qvk::ui {

inline constexpr const char* kProgramName = "Amateur Radio QVK";

// The application's name ("qvk", for its settings and the desktop) and its
// display name; before any window is created.
void nameTheProgram(QGuiApplication& application);

}  // namespace qvk::ui
