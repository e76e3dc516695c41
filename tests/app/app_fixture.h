#pragma once

#include "app/document/document_editor.h"
#include "app/document/document_view.h"
#include "app/document/document_window.h"
#include "app/frame/file_commands.h"
#include "app/frame/format_commands.h"
#include "app/frame/main_window.h"
#include "app/frame/print_commands.h"
#include "app/help/help_window.h"
#include "diagram_builder.h"
#include "qstring_printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Waits up to five seconds, handling events, for the condition to hold;
// the test fails and stops when it never does. (QtTest's QTRY macros
// report to QtTest, not to GoogleTest, and would pass silently.)
#define WAIT_UNTIL(condition)                                                                      \
    ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(condition); }, 5000))               \
        << "never held: " #condition
#define WAIT_EQ(actual, expected)                                                                  \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, 5000));          \
        ASSERT_EQ(actual, expected);                                                               \
    } while (false)

namespace velbrant::test {

// Appends what the builder makes to the end of the editor's diagram, as
// one paste.
inline void appendBuilt(DocumentEditor& editor,
                        const std::function<void(Sequence&, const LayoutContext&)>& builder) {
    editor.paste(runOf(builder, editor.layoutContext()), {0, MaxCoordinate}, InsertMode::After);
}

// Handles the next modal dialog of the type as soon as it is on the screen.
template <typename Dialog> void onNextDialog(const std::function<void(Dialog&)>& handle) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, handle, tries = 0]() mutable {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++tries < 1000)
            return;
        poll->stop();
        poll->deleteLater();
        ASSERT_NE(dialog, nullptr);
        handle(*dialog);
    });
    poll->start();
}
inline void onNextMessageBox(const std::function<void(QMessageBox&)>& handle) {
    onNextDialog<QMessageBox>(handle);
}
// Answers the next modal message box with the button of the role.
inline void answerNextMessageBox(QMessageBox::StandardButton button) {
    onNextMessageBox([button](QMessageBox& box) { box.button(button)->click(); });
}

class AppTest : public ::testing::Test {
protected:
    MainWindow frame;

    void SetUp() override {
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    // A new document shown at one screen pixel a model unit, laid out.
    DocumentView& newView() {
        DocumentWindow* window = frame.files().newDocument();
        DocumentView& view = window->view();
        view.setZoom(view.pixelSizeX());
        return view;
    }
    static const Sequence& topOf(DocumentView& view) {
        return view.editor().document().topSequence();
    }
    QAction* action(const char* name) const {
        return frame.findChild<QAction*>(QString::fromLatin1(name));
    }
    // A command's state by the name of its menu item, button or box.
    bool isEnabled(const char* name) const {
        if (auto* widget = frame.findChild<QWidget*>(QString::fromLatin1(name)))
            return widget->isEnabled();
        return action(name)->isEnabled();
    }

    static QPoint pixelAt(DocumentView& view, Point point) {
        view.viewport()->repaint();
        return view.toPixel(point).toPoint();
    }
    static void click(DocumentView& view, Point point, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view.viewport(), button, {}, pixelAt(view, point));
    }
    static void drag(DocumentView& view, QPoint from, QPoint to) {
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view.viewport(), to);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
    }
};

} // namespace velbrant::test
