#include "app_fixture.h"
#include "diagram_builder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace velbrant::test {
namespace {

class WindowsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        frame.resize(1000, 800);
    }
    QMdiArea& area() { return *frame.findChild<QMdiArea*>("MdiArea"); }
    static QPointF middleInModel(DocumentView& view) {
        return view.toModelF(view.viewport()->rect().center());
    }
};

TEST_F(WindowsTest, ADiagramLargerThanTheSheetCanBeScrolledToItsLastCorner) {
    DocumentView& view = frame.files().newDocument()->view();
    appendBuilt(view.editor(), [](Sequence& run, const LayoutContext& context) {
        buildMixedTree(run, context, 600, 3);
    });
    const Document& document = view.editor().document();
    const int frameBottom = document.format().frameTop + document.frameLayout().frameHeight;
    ASSERT_GT(frameBottom, 2970 * 2); // far below an A4 sheet
    for (const double zoom : {1.0, 0.25}) {
        view.setZoom(zoom);
        view.viewport()->repaint();
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        const QPointF corner = view.toPixel(
            {document.format().frameLeft + document.frameLayout().frameWidth - 1, frameBottom - 1});
        ASSERT_TRUE(view.viewport()->rect().contains(corner.toPoint())) << zoom;
        const QImage shown = view.viewport()->grab().toImage();
        int darkest = 255; // the frame's corner
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                darkest = std::min(darkest, qGray(shown.pixel(corner.toPoint() + QPoint(dx, dy))));
        EXPECT_LT(darkest, 128) << zoom;
    }
}

TEST_F(WindowsTest, ZoomKeepsTheDiagramInViewAndCtrlWheelZoomsAboutThePointer) {
    DocumentView& view =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR")->view();
    const Document& document = view.editor().document();
    const auto diagramOnScreen = [&] {
        return QRectF(
                   view.toPixel({document.format().frameLeft, document.format().frameTop}),
                   view.toPixel({document.format().frameLeft + document.frameLayout().frameWidth,
                                 document.format().frameTop + document.frameLayout().frameHeight}))
            .intersected(QRectF(view.viewport()->rect()));
    };
    // The view's middle is empty paper; the diagram stands at the sheet's top left.
    ASSERT_FALSE(diagramOnScreen().contains(QRectF(view.viewport()->rect()).center()));
    const QPoint shownMiddle = diagramOnScreen().center().toPoint();
    const QPointF underIt = view.toModelF(shownMiddle);
    action("ViewZoomInItem")->trigger();
    action("ViewZoomInItem")->trigger();
    EXPECT_DOUBLE_EQ(view.zoom(), 2.0);
    EXPECT_FALSE(diagramOnScreen().isEmpty());
    EXPECT_NEAR(view.toModelF(shownMiddle).x(), underIt.x(), 2);
    EXPECT_NEAR(view.toModelF(shownMiddle).y(), underIt.y(), 2);

    const QPoint pointer(300, 200);
    const QPointF pointed = view.toModelF(pointer);
    QWheelEvent up(pointer, view.viewport()->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &up);
    EXPECT_DOUBLE_EQ(view.zoom(), 3.0);
    EXPECT_EQ(frame.findChild<QComboBox*>("ZoomBox")->currentText(), "300 %");
    EXPECT_NEAR(view.toModelF(pointer).x(), pointed.x(), 2);
    EXPECT_NEAR(view.toModelF(pointer).y(), pointed.y(), 2);

    action("ViewWholeItem")->trigger();
    const QRectF whole(
        view.toPixel({document.format().frameLeft, document.format().frameTop}),
        view.toPixel({document.format().frameLeft + document.frameLayout().frameWidth,
                      document.format().frameTop + document.frameLayout().frameHeight}));
    EXPECT_TRUE(QRectF(view.viewport()->rect()).contains(whole));
    EXPECT_TRUE(whole.width() > view.viewport()->width() * 0.8 ||
                whole.height() > view.viewport()->height() * 0.8);
    EXPECT_EQ(frame.findChild<QComboBox*>("ZoomBox")->currentText(),
              QStringLiteral("%1 %").arg(qRound(view.zoom() * 100)));
}

TEST_F(WindowsTest, ClosingAMaximisedDocumentLeavesTheNextOneMaximised) {
    DocumentWindow* first = frame.files().newDocument();
    DocumentWindow* second = frame.files().newDocument();
    ASSERT_TRUE(second->isMaximized());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(frame.documents(), QList<DocumentWindow*>{first});
    EXPECT_TRUE(first->isMaximized());
}

TEST_F(WindowsTest, ClosingAsksEachWindowInTurnAndActsOnItsAnswerAtOnce) {
    for (int i = 0; i < 3; ++i) {
        DocumentView& view = frame.files().newDocument()->view();
        frame.setTool(elementTool(ElementKind::Call));
        click(view, {300, 400});
    }
    // Asked about, a window comes to the front, so that the question names
    // the window in front.
    const QList<DocumentWindow*> windows = frame.documents();
    QStringList buttons;
    QList<DocumentWindow*> asked;
    QTimer::singleShot(0, [this, &buttons, &asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        asked << frame.activeDocument();
        box->button(QMessageBox::No)->click();
        onNextMessageBox([this, &asked](QMessageBox& next) {
            asked << frame.activeDocument();
            next.button(QMessageBox::Cancel)->click();
        });
    });
    EXPECT_FALSE(frame.close());
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0], windows[0]);
    EXPECT_EQ(asked[1], windows[1]);
    QApplication::processEvents();
    EXPECT_EQ(frame.documents().size(),
              2); // the first went, the second stayed, the third was not asked
    EXPECT_TRUE(buttons.contains("&Ja")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("&Nein"));
    EXPECT_TRUE(buttons.contains("Abbrechen"));

    QString message;
    onNextMessageBox([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    frame.files().openDocument("/nicht/da.STR");
    EXPECT_TRUE(message.contains("nicht gefunden")) << message.toStdString();
}

// "Fenster" names every window by its file name; a saved one's path is its tip.
TEST_F(WindowsTest, TheWindowMenuNamesEveryWindowByItsFileName) {
    frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/menue.STR");
    frame.files().newDocument();
    QMenu* menu = nullptr;
    for (QMenu* candidate : frame.menuBar()->findChildren<QMenu*>())
        menu = candidate->title() == "&Fenster" ? candidate : menu;
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    QStringList entries;
    QStringList tips;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith('&') && action->isCheckable()) {
            entries << action->text();
            tips << action->toolTip();
        }
    }
    ASSERT_EQ(entries.size(), 2) << entries.join(", ").toStdString();
    EXPECT_EQ(entries[0], "&1 menue.STR");
    EXPECT_TRUE(tips[0].endsWith("examples/menue.STR")) << tips[0].toStdString();
    EXPECT_TRUE(entries[1].endsWith(".STR"));
    EXPECT_FALSE(entries[1].contains('/'));
}

} // namespace
} // namespace velbrant::test
