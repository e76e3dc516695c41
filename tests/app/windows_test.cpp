#include "app_fixture.h"
#include "diagram_builder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMdiArea>
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

TEST_F(WindowsTest, ZoomKeepsTheMiddleAndCtrlWheelStepsThroughTheZoomBox) {
    DocumentView& view =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/bubblesort.STR")->view();
    view.setZoom(4.0);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 3);
    const QPointF before = middleInModel(view);
    view.setZoom(1.0);
    const QPointF after = middleInModel(view);
    EXPECT_NEAR(after.x(), before.x(), 5);
    EXPECT_NEAR(after.y(), before.y(), 5);

    QWheelEvent up(QPointF(50, 50), view.mapToGlobal(QPointF(50, 50)), {}, {0, 120}, Qt::NoButton,
                   Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &up);
    EXPECT_DOUBLE_EQ(view.zoom(), 1.5);
    EXPECT_EQ(frame.findChild<QComboBox*>("ZoomBox")->currentText(), "150 %");
}

TEST_F(WindowsTest, ClosingAsksEachWindowInTurnAndActsOnItsAnswerAtOnce) {
    for (int i = 0; i < 3; ++i) {
        DocumentView& view = frame.files().newDocument()->view();
        frame.setTool(elementTool(ElementKind::Call));
        click(view, {300, 400});
    }
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->button(QMessageBox::No)->click();
        answerNextMessageBox(QMessageBox::Cancel);
    });
    EXPECT_FALSE(frame.close());
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

} // namespace
} // namespace velbrant::test
