#include "app/widgets/status_line.h"

#include <QLabel>
#include <QTime>

namespace velbrant {

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent), m_pasteHint(new QLabel(this)), m_time(new QLabel(this)) {
    setObjectName(QStringLiteral("StatusLine"));
    m_pasteHint->setObjectName(QStringLiteral("PasteModeHint"));
    m_pasteHint->setText(tr("Einfügemodus: Klicken Sie, wohin die Elemente kommen "
                            "sollen (linke Taste: dahinter, rechte: davor). Esc "
                            "beendet den Einfügemodus."));
    m_pasteHint->hide();
    addWidget(m_pasteHint, 1);
    m_time->setObjectName(QStringLiteral("TimePanel"));
    m_time->setFrameShape(QFrame::Panel);
    m_time->setFrameShadow(QFrame::Sunken);
    m_time->setMinimumWidth(50);
    m_time->setAlignment(Qt::AlignCenter);
    addPermanentWidget(m_time);
    const auto showTime = [this] {
        m_time->setText(QTime::currentTime().toString(QStringLiteral("h : mm")));
    };
    showTime();
    connect(&m_clock, &QTimer::timeout, this, showTime);
    m_clock.start(1000);
}

void StatusLine::showPasteMode(bool on) {
    m_pasteHint->setVisible(on);
}

} // namespace velbrant
