#pragma once
// The main window: "Amateur Radio QVK".

#include <QWidget>

namespace qvk::ui {

class Platform;

class THamDF1 : public QWidget {
    Q_OBJECT
public:
    explicit THamDF1(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& platform_;
};

}  // namespace qvk::ui
