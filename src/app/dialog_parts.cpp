#include "app/dialog_parts.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velbrant {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        QBoxLayout* layout) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    if (layout != nullptr)
        layout->addWidget(button);
    return button;
}

QBoxLayout* makeOkCancelHelp(QDialog* dialog, const std::function<void()>& help) {
    auto* buttons = new QVBoxLayout;
    QPushButton* ok = makeButton(dialog, "OKBtn", QStringLiteral("&OK"), buttons);
    QPushButton* cancel = makeButton(dialog, "CancelBtn", QStringLiteral("&Abbruch"), buttons);
    QPushButton* helpButton = makeButton(dialog, "HelpBtn", QStringLiteral("&Help"), buttons);
    buttons->addStretch();
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, dialog, help);
    return buttons;
}

namespace {

class LeavingGuard : public QObject {
public:
    LeavingGuard(QLineEdit* field, QAbstractButton* cancel, std::function<bool()> valid,
                 std::function<void()> refuse)
        : QObject(field), m_field(field), m_cancel(cancel), m_valid(std::move(valid)),
          m_refuse(std::move(refuse)) {
        field->installEventFilter(this);
    }

protected:
    // Checked once the focus has settled: a click on the cancel button
    // moves it there first.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_field && event->type() == QEvent::FocusOut && !m_refusing &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_field->window()->isVisible() && !m_valid() && !m_cancel->hasFocus()) {
                        m_refusing = true;
                        m_refuse();
                        m_refusing = false;
                    }
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_field;
    QAbstractButton* m_cancel;
    std::function<bool()> m_valid;
    std::function<void()> m_refuse;
    bool m_refusing = false;
};

} // namespace

void refuseLeavingInvalid(QLineEdit* field, QAbstractButton* cancel, std::function<bool()> valid,
                          std::function<void()> refuse) {
    new LeavingGuard(field, cancel, std::move(valid), std::move(refuse));
}

QLabel* makeHint(QWidget* parent, const QString& text) {
    auto* hint = new QLabel(text, parent);
    hint->setWordWrap(true);
    hint->setEnabled(false);
    hint->setFrameShape(QFrame::StyledPanel);
    return hint;
}

QLabel* makeRefusalNote(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setObjectName(QStringLiteral("HintLabel"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #a00000"));
    note->hide();
    return note;
}

} // namespace velbrant
