#include "app/widgets/zoom_box.h"

#include <QLineEdit>
#include <array>

namespace velbrant {

namespace {

constexpr std::array<int, 11> ZoomPercents{10, 25, 33, 50, 66, 75, 100, 150, 200, 300, 400};

QString percentText(double zoom) {
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

} // namespace

// Editable only to show a zoom between the steps: the text cannot be typed.
ZoomBox::ZoomBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("ZoomBox"));
    setToolTip(QStringLiteral("Zoom"));
    setEditable(true);
    lineEdit()->setReadOnly(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (const int percent : ZoomPercents)
        addItem(QStringLiteral("%1 %").arg(percent), percent / 100.0);
    showZoom(1.0);
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit zoomChosen(itemData(index).toDouble()); });
}

void ZoomBox::showZoom(double zoom) {
    setCurrentIndex(findData(zoom));
    setEditText(percentText(zoom));
}

double ZoomBox::stepped(double zoom, int step) {
    const int percent = qRound(zoom * 100);
    if (step > 0) {
        for (const int next : ZoomPercents)
            if (next > percent)
                return next / 100.0;
        return ZoomPercents.back() / 100.0;
    }
    for (auto next = ZoomPercents.rbegin(); next != ZoomPercents.rend(); ++next)
        if (*next < percent)
            return *next / 100.0;
    return ZoomPercents.front() / 100.0;
}

} // namespace velbrant
