#pragma once
// The US Amateur Bands window: the band chart from "bands.gif" beside the
// program, with a chart of its own built in for when the file is missing.

#include "ui/charts/chart_window.h"

namespace qvk::ui {

class TUSBands : public ChartWindow {
    Q_OBJECT
public:
    explicit TUSBands(Platform& platform, QWidget* parent = nullptr);
};

}  // namespace qvk::ui
