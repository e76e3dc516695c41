#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace velbrant {

// Where the running dog is; kept by the frame across openings of the box.
struct DogAnimation {
    int frame = 1;
    int position = 0;
};

// "Info": the program's name, version and purpose, and a dog that runs
// across the box once clicked: frames DOG2..DOG7, 10 pixels a step every
// 200 ms, re-entering from the right.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int StepInterval = 200;

    AboutDialog(DogAnimation& dog, QWidget* parent = nullptr);

    // One step of the animation.
    void step();
    bool isRunning() const { return m_timer.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFrame(int frame);

    DogAnimation& m_animation;
    QLabel* m_dog;
    QTimer m_timer;
};

} // namespace velbrant
