#include "app/dialog_parts.h"

#include <QBoxLayout>
#include <QLabel>
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
