#pragma once

#include "model/layout/element_font.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QKeyEvent;
class QPushButton;

namespace velbrant {

class StorableTextEdit;

// The modeless window in which the text of one element is typed. It takes
// the element's lines and font when it opens and hands back what the user
// does: live text after a pause in typing, a chosen font, the committed
// text, or the wish to revert; it never touches the element itself.
class ElementTextDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int LiveUpdateDelay = 1200;

    explicit ElementTextDialog(QWidget* parent);

    // Shows the dialog for an element; lines and comment as Unicode.
    void open(const QStringList& lines, const ElementFont& font, bool isCase,
              const QStringList& comment);
    QStringList lines() const;
    QStringList comment() const;
    StorableTextEdit& memo() const { return *m_memo; }

    // "&Schließen": the memo's text goes into the element.
    void commit();
    // Hides the dialog without a word: text entry ended elsewhere.
    void dismiss();

signals:
    void liveTextChanged(const QStringList& lines);
    void fontChosen(const ElementFont& font);
    void committed(const QStringList& lines, const QStringList& comment);
    void reverted();
    void labelsRequested();
    void helpRequested(const QString& keyword);

protected:
    // Every key released in the memo restarts the pause.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void chooseFont();
    void showFont(const ElementFont& font);
    // The visible button whose mnemonic the key is, if any.
    QPushButton* buttonFor(const QKeyEvent& key) const;

    StorableTextEdit* m_memo;
    QLabel* m_hint;
    QPushButton* m_labelsButton;
    QPlainTextEdit* m_comment;
    QTimer* m_timer;
    ElementFont m_font;
    bool m_placed = false;
};

} // namespace velbrant
