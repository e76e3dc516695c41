#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace velbrant {

// The frame's status line: hints on the left, what paste mode asks of the
// user while it is on, and the clock at the right.
class StatusLine : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    void showPasteMode(bool on);

private:
    QLabel* m_pasteHint;
    QLabel* m_time;
    QTimer m_clock;
};

} // namespace velbrant
