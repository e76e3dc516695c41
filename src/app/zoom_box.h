#pragma once

#include <QComboBox>

namespace velbrant {

// The speed bar's zoom box: steps from 10 to 400 %, or a typed percentage.
// Shows the active window's zoom and hands out the one chosen.
class ZoomBox : public QComboBox {
    Q_OBJECT

public:
    explicit ZoomBox(QWidget* parent);

    void showZoom(double zoom);
    // The entry `step` entries away from the one shown (1 up, -1 down).
    void step(int step);

signals:
    // A zoom was chosen; a refused entry gives back the zoom shown before.
    void zoomChosen(double zoom);

private:
    void readChoice();

    double m_zoom = 1.0;
};

} // namespace velbrant
