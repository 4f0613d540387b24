#pragma once
// A window's control found by its object name, for the window tests.

#include <QObject>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace qvk::ui {

// The child of `parent` named `name`. A control that is not there (renamed,
// or of another kind) throws, which GoogleTest reports as the failure of the
// test with the name in it, where a null pointer would crash the whole run.
template <typename T = QWidget> T& child(const QObject& parent, const QString& name)
{
    T* found = parent.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no " + std::string(T::staticMetaObject.className()) + " named \"" +
                                 name.toStdString() + "\" in \"" + parent.objectName().toStdString() + "\"");
    return *found;
}

}  // namespace qvk::ui
