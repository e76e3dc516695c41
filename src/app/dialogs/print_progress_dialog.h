#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace velbrant {

// "Drucke...": names the file and the printer while a job runs. The job
// starts once the dialog is on the screen; "Abbrechen" asks it to stop.
class PrintProgressDialog : public QDialog {
    Q_OBJECT

public:
    PrintProgressDialog(const QString& fileName, const QString& printerName,
                        QWidget* parent = nullptr);

    // Shows the dialog, runs the job from its event loop, closes it.
    void run(const std::function<void()>& job);
    bool isCancelled() const { return m_cancelled; }

private:
    bool m_cancelled = false;
};

} // namespace velbrant
