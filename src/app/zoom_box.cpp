#include "app/zoom_box.h"

#include "app/app_info.h"

#include <QMessageBox>
#include <algorithm>

namespace velbrant {

namespace {

const QStringList ZoomEntries{"10 %",  "25 %",  "33 %",  "50 %",  "66 %",  "75 %", "100 %",
                              "150 %", "200 %", "300 %", "400 %", "500 %", "600 %"};
constexpr int InitialZoomEntry = 6;
constexpr int LargestAllowedZoomEntry = 10;

QString percentText(double zoom) {
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

} // namespace

ZoomBox::ZoomBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("ZoomBox"));
    setToolTip(QStringLiteral("Zoom"));
    addItems(ZoomEntries);
    setCurrentIndex(InitialZoomEntry);
    connect(this, &QComboBox::activated, this, &ZoomBox::readChoice);
}

void ZoomBox::showZoom(double zoom) {
    m_zoom = zoom;
    setCurrentText(percentText(zoom));
}

// Only the steps that are allowed: 10 to 400 %.
void ZoomBox::step(int step) {
    const int current = findText(percentText(m_zoom));
    const int index = current < 0 ? InitialZoomEntry : current + step;
    setCurrentIndex(std::clamp(index, 0, LargestAllowedZoomEntry));
    readChoice();
}

void ZoomBox::readChoice() {
    QString text = currentText();
    while (!text.isEmpty() && !text.back().isDigit())
        text.chop(1);
    bool ok = false;
    const int percent = text.toInt(&ok);
    if (!ok || percent < 10 || percent > 400) {
        QMessageBox::critical(
            this, ProgramCaption,
            QStringLiteral("Der Zoom-Faktor muß zwischen\n10 und 400 Prozent liegen !"));
        showZoom(m_zoom);
    } else {
        showZoom(percent / 100.0);
    }
    emit zoomChosen(m_zoom);
}

} // namespace velbrant
