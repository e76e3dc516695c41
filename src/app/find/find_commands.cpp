#include "app/find/find_commands.h"

#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/find/find_dialog.h"
#include "render/text_codec.h"

#include <QAction>
#include <QWidget>

namespace velbrant {

FindCommands::FindCommands(QWidget* frame)
    : QObject(frame), m_frame(frame), m_dialog(new FindDialog(frame)) {
    addAction("EditFindItem", tr("&Suchen..."), QKeySequence::Find,
              [this] { m_dialog->showFor(false); });
    addAction("EditFindNextItem", tr("&Weitersuchen"), QKeySequence(Qt::Key_F3), [this] { go(1); });
    addAction("EditFindPreviousItem", tr("&Rückwärts suchen"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
              [this] { go(-1); });
    addAction("EditReplaceItem", tr("&Ersetzen..."), QKeySequence(Qt::CTRL | Qt::Key_H),
              [this] { m_dialog->showFor(true); });
    connect(m_dialog, &FindDialog::searchChanged, this, [this] {
        m_stale = true;
        m_current = -1;
        refresh();
    });
    connect(m_dialog, &FindDialog::nextRequested, this, [this] { go(1); });
    connect(m_dialog, &FindDialog::previousRequested, this, [this] { go(-1); });
    connect(m_dialog, &FindDialog::replaceRequested, this, &FindCommands::replaceCurrent);
    connect(m_dialog, &FindDialog::replaceAllRequested, this, &FindCommands::replaceAll);
    connect(m_dialog, &FindDialog::helpRequested, this, &FindCommands::helpRequested);
    // Closed, the dialog takes its frames away; F3 finds and frames again.
    connect(m_dialog, &QDialog::finished, this, [this] {
        clearMarks();
        m_stale = true;
    });
}

QAction* FindCommands::addAction(const char* name, const QString& caption, const QKeySequence& key,
                                 const std::function<void()>& command) {
    auto* action = new QAction(caption, m_frame);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, command);
    m_actions << action;
    return action;
}

void FindCommands::follow(DocumentWindow* window) {
    if (window == m_active)
        return;
    m_active = window;
    // Over the active diagram alone, another one means another search.
    if (!m_dialog->searchesAllDiagrams()) {
        m_stale = true;
        m_current = -1;
    }
}

void FindCommands::watch(DocumentWindow& window) {
    // The frames point into the tree: an edit either finds again or, with
    // the dialog closed, takes them away.
    connect(&window.editor(), &DocumentEditor::changed, this, [this, &window] {
        m_stale = true;
        if (m_dialog->isVisible())
            refresh();
        else
            window.view().setSearchHits({});
    });
    connect(&window.editor(), &DocumentEditor::treeReplaced, this, [this, &window] {
        window.view().setSearchHits({});
        m_stale = true;
    });
}

QList<DocumentWindow*> FindCommands::scope() const {
    QList<DocumentWindow*> windows;
    if (m_active)
        windows << m_active.data();
    if (m_dialog->searchesAllDiagrams() && openWindows) {
        for (DocumentWindow* window : openWindows())
            if (window != m_active)
                windows << window;
    }
    return windows;
}

void FindCommands::clearMarks() {
    if (!openWindows)
        return;
    for (DocumentWindow* window : openWindows())
        window->view().setSearchHits({});
}

void FindCommands::refresh() {
    clearMarks();
    m_found.clear();
    m_stale = false;
    const TextSearch search(m_dialog->options());
    if (const QString why = search.error(); !why.isEmpty()) {
        m_dialog->showStatus(m_dialog->options().pattern.isEmpty() ? QString() : why);
        return;
    }
    for (DocumentWindow* window : scope()) {
        const Document& document = window->editor().document();
        const std::vector<const Element*> elements = document.elementsInReadingOrder();
        std::vector<const Element*> marked;
        for (const SearchHit& hit : search.hits(document)) {
            m_found.push_back({window, hit});
            if (hit.element != SearchHit::Title &&
                (marked.empty() || marked.back() != elements[hit.element]))
                marked.push_back(elements[hit.element]);
        }
        window->view().setSearchHits(std::move(marked));
    }
    m_current = std::min(m_current, static_cast<int>(m_found.size()) - 1);
    m_dialog->showStatus(hitCount());
}

QString FindCommands::hitCount() const {
    if (m_found.empty())
        return tr("Nicht gefunden.");
    if (m_current < 0)
        return m_found.size() == 1 ? tr("1 Stelle gefunden.")
                                   : tr("%1 Stellen gefunden.").arg(m_found.size());
    return tr("Stelle %1 von %2.").arg(m_current + 1).arg(m_found.size());
}

// F3 before anything was asked for opens the dialog instead.
void FindCommands::go(int direction) {
    if (m_dialog->options().pattern.isEmpty()) {
        m_dialog->showFor(false);
        return;
    }
    if (m_stale)
        refresh();
    if (m_found.empty()) {
        emit note(hitCount());
        return;
    }
    const int count = static_cast<int>(m_found.size());
    m_current =
        m_current < 0 ? (direction > 0 ? 0 : count - 1) : (m_current + direction + count) % count;
    select(m_found[static_cast<std::size_t>(m_current)]);
    m_dialog->showStatus(hitCount());
    emit note(hitCount());
}

void FindCommands::select(const Found& found) {
    if (!found.window)
        return;
    if (activate)
        activate(found.window);
    DocumentEditor& editor = found.window->editor();
    if (found.hit.element == SearchHit::Title)
        editor.clearSelection();
    else
        editor.selectIndex(found.hit.element);
    found.window->view().scrollToSelection();
}

// The place selected is replaced and the next one selected; without a
// place selected, the first is found first.
void FindCommands::replaceCurrent() {
    if (m_stale)
        refresh();
    if (m_current < 0 || m_current >= static_cast<int>(m_found.size()))
        return go(1);
    const Found found = m_found[static_cast<std::size_t>(m_current)];
    if (!found.window)
        return;
    DocumentEditor& editor = found.window->editor();
    const Replacement replacement =
        TextSearch(m_dialog->options())
            .replaceHit(editor.document(), found.hit, m_dialog->replacement());
    if (!replacement.refusal.isEmpty())
        return m_dialog->showStatus(replacement.refusal);
    editor.replaceTexts(replacement.changes);
    // The place is gone; the one after it now has its number.
    --m_current;
    go(1);
}

// Nothing is replaced anywhere when a text anywhere would not hold it.
void FindCommands::replaceAll() {
    const TextSearch search(m_dialog->options());
    if (const QString why = search.error(); !why.isEmpty())
        return m_dialog->showStatus(why);
    std::vector<std::pair<DocumentWindow*, Replacement>> replacements;
    int count = 0;
    for (DocumentWindow* window : scope()) {
        Replacement replacement =
            search.replaceAll(window->editor().document(), m_dialog->replacement());
        if (!replacement.refusal.isEmpty()) {
            return m_dialog->showStatus(
                tr("Nichts ersetzt. In %1: %2")
                    .arg(window->windowTitle().remove(QStringLiteral("[*]")), replacement.refusal));
        }
        count += replacement.count;
        replacements.emplace_back(window, std::move(replacement));
    }
    for (auto& [window, replacement] : replacements)
        if (!replacement.changes.empty())
            window->editor().replaceTexts(replacement.changes);
    m_current = -1;
    refresh();
    const QString done =
        count == 1 ? tr("1 Stelle ersetzt.") : tr("%1 Stellen ersetzt.").arg(count);
    m_dialog->showStatus(done);
    emit note(done);
}

} // namespace velbrant
