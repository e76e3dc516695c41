#include "app/dialogs/print_progress_dialog.h"

#include "app/dialogs/dialog_parts.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace velbrant {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* shown = new QLabel(text, parent);
    shown->setObjectName(QString::fromLatin1(name));
    return shown;
}

} // namespace

PrintProgressDialog::PrintProgressDialog(const QString& fileName, const QString& printerName,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("PrintCancelDlg"));
    setWindowTitle(tr("Drucke..."));
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(label(panel, "Label1", tr("Drucke ")), 0, 0);
    grid->addWidget(label(panel, "FileNameLabel", fileName), 0, 1);
    grid->addWidget(label(panel, "Label2", tr("auf ")), 1, 0);
    grid->addWidget(label(panel, "PrnNameLabel", printerName), 1, 1);
    grid->setColumnStretch(1, 1);
    QPushButton* cancel = makeButton(this, "BitBtn2", tr("Abbrechen"));
    connect(cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    setMinimumWidth(320);
}

void PrintProgressDialog::run(const std::function<void()>& job) {
    QMetaObject::invokeMethod(
        this,
        [this, job] {
            job();
            accept();
        },
        Qt::QueuedConnection);
    exec();
}

} // namespace velbrant
