#pragma once

#include <QComboBox>

namespace velbrant {

// The speed bar's zoom box: the steps from 10 to 400 %. Shows the active
// window's zoom, also one between the steps (a fitted window's), and hands
// out the step chosen.
class ZoomBox : public QComboBox {
    Q_OBJECT

public:
    explicit ZoomBox(QWidget* parent);

    void showZoom(double zoom);
    // The step `step` steps away from `zoom` (1 up, -1 down), within the
    // steps there are.
    static double stepped(double zoom, int step);

signals:
    void zoomChosen(double zoom);
};

} // namespace velbrant
