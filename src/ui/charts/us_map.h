#pragma once
// The US Call Map window: the US call areas from "Zones.gif" beside the
// program. Empty until the file has been read once.

#include "ui/charts/chart_window.h"

namespace qvk::ui {

class TUSMap : public ChartWindow {
    Q_OBJECT
public:
    explicit TUSMap(Platform& platform, QWidget* parent = nullptr);
};

}  // namespace qvk::ui
