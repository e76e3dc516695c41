#include "app/dialogs/dialog_parts.h"

#include "app/app_info.h"
#include "app/widgets/theme.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <stdexcept>

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
    dialog->setWindowModality(Qt::WindowModal);
    auto* buttons = new QVBoxLayout;
    QPushButton* ok =
        makeButton(dialog, "OKBtn", QCoreApplication::translate("velbrant", "&OK"), buttons);
    QPushButton* cancel = makeButton(dialog, "CancelBtn",
                                     QCoreApplication::translate("velbrant", "&Abbruch"), buttons);
    QPushButton* helpButton =
        makeButton(dialog, "HelpBtn", QCoreApplication::translate("velbrant", "&Help"), buttons);
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

void NumberFields::add(QLineEdit* field, NumberRule rule) {
    m_fields.emplace_back(field, std::move(rule));
}

void NumberFields::guardLeaving(QAbstractButton* cancel) {
    for (const auto& [field, rule] : m_fields) {
        QLineEdit* checked = field;
        refuseLeavingInvalid(
            checked, cancel,
            [checked, this] { return refusal(checked->text(), ruleOf(checked)).isEmpty(); },
            [checked, this] { refuses(checked, ruleOf(checked)); });
    }
}

bool NumberFields::check() const {
    for (const auto& [field, rule] : m_fields)
        if (field->isEnabled() && refuses(field, rule))
            return false;
    return true;
}

std::optional<double> NumberFields::value(const QLineEdit* field) const {
    return numberValue(field->text(), ruleOf(field));
}

const NumberRule& NumberFields::ruleOf(const QLineEdit* field) const {
    for (const auto& [candidate, rule] : m_fields)
        if (candidate == field)
            return rule;
    throw std::logic_error("not a number field of this dialog");
}

bool NumberFields::refuses(QLineEdit* field, const NumberRule& rule) const {
    const QString why = refusal(field->text(), rule);
    if (why.isEmpty())
        return false;
    QMessageBox::critical(m_dialog, ProgramCaption, why);
    // The field's page comes to the front, so the focus can go there.
    for (QWidget* page = field; page->parentWidget() != nullptr; page = page->parentWidget()) {
        auto* pages = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
        if (pages != nullptr && pages->indexOf(page) >= 0)
            pages->setCurrentWidget(page);
    }
    field->setFocus();
    field->selectAll();
    return true;
}

QLabel* makeHint(QWidget* parent, const QString& text) {
    auto* hint = new QLabel(text, parent);
    hint->setWordWrap(true);
    hint->setEnabled(false);
    hint->setFrameShape(QFrame::StyledPanel);
    return hint;
}

void showRefusal(QLabel& note, const QString& reason) {
    note.setText(reason);
    note.setVisible(!reason.isEmpty());
}

int askChoice(QWidget* parent, const QString& question, const QStringList& answers) {
    QMessageBox ask(QMessageBox::Question, ProgramCaption, question, QMessageBox::NoButton, parent);
    QList<QPushButton*> buttons;
    for (const QString& answer : answers)
        buttons << ask.addButton(answer, QMessageBox::AcceptRole);
    ask.addButton(QCoreApplication::translate("velbrant", "Abbrechen"), QMessageBox::RejectRole);
    if (!buttons.isEmpty())
        ask.setDefaultButton(buttons.front());
    ask.exec();
    return static_cast<int>(buttons.indexOf(ask.clickedButton()));
}

QLabel* makeRefusalNote(QWidget* parent) {
    auto* note = new QLabel(parent);
    note->setObjectName(QStringLiteral("HintLabel"));
    note->setWordWrap(true);
    note->setStyleSheet(warningStyle());
    note->hide();
    return note;
}

void showBesideTheDiagram(QWidget& window, bool& placed) {
    if (!placed) {
        placed = true;
        const QWidget* frame = window.parentWidget();
        window.adjustSize();
        const QPoint topRight = frame->mapToGlobal(QPoint(frame->width(), 0));
        window.move(topRight.x() - window.width() - 40, topRight.y() + 100);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace velbrant
