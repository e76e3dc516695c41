#pragma once

#include "render/text_codec.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QValidator>

namespace velbrant {

// Element texts, labels and titles are stored as bytes: Windows-1252, or
// the Symbol encoding for a font named "Symbol", at most 255 a line.
// Nothing that does not fit is taken and replaced behind the user's back:
// the input is refused and the user told why.

// A one-line field that refuses what cannot be stored.
class StorableTextValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
    // A title takes any character; labels are Windows-1252.
    void setAnyCharacter(bool any) { m_anyCharacter = any; }

signals:
    void refused(const QString& reason) const;

private:
    bool m_anyCharacter = false;
};

// A memo that refuses typed or pasted text that cannot be stored, and says
// why; the reason stays to be read while typing goes on. In the Symbol
// font it shows what typed keys will draw (a typed "a" is alpha).
class StorableTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    void setSymbolFont(bool symbolFont) { m_symbolFont = symbolFont; }
    // Element texts take any character outside the Symbol font: the model
    // keeps the exact text beside its Windows-1252 form.
    void setAnyCharacter(bool any) { m_anyCharacter = any; }

signals:
    void refused(const QString& reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The text as the font will draw it, or a null string, after telling
    // why, when it must be refused.
    QString acceptable(const QString& inserted);

    bool m_symbolFont = false;
    bool m_anyCharacter = false;
};

} // namespace velbrant
