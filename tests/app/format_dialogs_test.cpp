#include "app/dialogs/default_labels_dialog.h"
#include "app/dialogs/diagram_format_dialog.h"
#include "app/dialogs/element_format_dialog.h"
#include "app/settings/settings_file.h"
#include "app_fixture.h"
#include "model/files/structogram_file.h"

#include <QCheckBox>
#include <QDir>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

namespace velbrant::test {
namespace {

class FormatDialogsTest : public AppTest {
protected:
    DocumentView* view = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        view = &newView();
    }
    DocumentEditor& editor() { return view->editor(); }
    const Sequence& top() { return topOf(*view); }
    // Runs the frame's command while the test answers its modal dialog.
    template <typename Dialog>
    void answer(const char* command, const std::function<void(Dialog&)>& fill,
                const char* button = "OKBtn") {
        QTimer::singleShot(0, [fill, button] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            fill(*dialog);
            dialog->template findChild<QPushButton*>(button)->click();
        });
        action(command)->trigger();
    }
    static void setText(QWidget& dialog, const char* name, const QString& text) {
        dialog.findChild<QLineEdit*>(name)->setText(text);
    }
    static QString text(QWidget& dialog, const char* name) {
        return dialog.findChild<QLineEdit*>(name)->text();
    }
};

TEST_F(FormatDialogsTest, TheTitlePrefixRefusesBlanksAndCancelKeepsEveryLabel) {
    auto* dialog = frame.findChild<DefaultLabelsDialog*>("frmBeschriftungen");
    dialog->setLabels(frame.formats().labels());
    dialog->show();
    QApplication::setActiveWindow(dialog);
    auto* prefix = dialog->findChild<QLineEdit*>("edtStrukto");
    prefix->setText("AB LAUF");
    prefix->setFocus();
    QTest::keyClick(prefix, Qt::Key_Tab);
    answerNextMessageBox(QMessageBox::Ok);
    QApplication::processEvents();
    EXPECT_EQ(dialog->focusWidget(), prefix);
    EXPECT_EQ(prefix->selectedText(), "AB LAUF");
    answerNextMessageBox(QMessageBox::Ok);
    QTest::keyClick(prefix, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject();

    answer<DefaultLabelsDialog>(
        "Eigenschaften1",
        [](DefaultLabelsDialog& labels) {
            setText(labels, "edtWahr", "Ja");
            labels.findChild<QCheckBox*>("chkPfeilErsetzen")->setChecked(true);
        },
        "BitBtn2");
    EXPECT_EQ(frame.formats().labels(), DefaultLabels{});
}

TEST_F(FormatDialogsTest, TheTrueLabelRelabelsEveryOpenDiagramAndNewDocumentsTakeThePrefix) {
    DocumentView& other = newView();
    answer<DefaultLabelsDialog>(
        "Eigenschaften1",
        [](DefaultLabelsDialog& labels) {
            setText(labels, "edtWahr", "Ja");
            setText(labels, "edtStrukto", "ABLAUF");
        },
        "BitBtn1");
    EXPECT_EQ(editor().labels().yes, "Ja");
    EXPECT_EQ(other.editor().labels().yes, "Ja");
    EXPECT_EQ(frame.files().newDocument()->fileName(), "ABLAUF3.STR");
}

TEST_F(FormatDialogsTest, LineWidthsFontsAndAlignmentsReadAsTheDialogShowsThem) {
    appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Call, context);
        Element& block = appendNew(run, ElementKind::Block, context);
        block.setFont({"Courier New", 12, Bold}, context.measurer);
        block.setHAlign(Alignment::End);
    });
    frame.setTool(Tool::Select);
    const QPoint from = pixelAt(*view, {top().left() - 20, top().top() - 20});
    const QPoint to =
        pixelAt(*view, {top().left() + top().width() + 20, top().at(1).bottom() + 20});
    drag(*view, from, to);

    const Bytes before = encodeDocument(editor().document());
    const std::size_t steps = editor().history().levels();
    answer<ElementFormatDialog>(
        "FormatBlockItem",
        [](ElementFormatDialog& format) {
            setText(format, "UmrandungEdit", "2");
            setText(format, "FontNameEdit", "Times New Roman");
            format.findChild<QRadioButton*>("LeftButton")->click();
        },
        "CancelBtn");
    EXPECT_EQ(encodeDocument(editor().document()), before);
    EXPECT_EQ(editor().history().levels(), steps);

    answer<ElementFormatDialog>("FormatBlockItem", [](ElementFormatDialog& format) {
        EXPECT_EQ(text(format, "UmrandungEdit"), "0,4 mm");
        EXPECT_EQ(text(format, "BlockInhaltEdit"), "0,2 mm");
        EXPECT_EQ(text(format, "FontNameEdit"), "Arial");
        setText(format, "UmrandungEdit", "1");
        setText(format, "BlockInhaltEdit", "1,5");
    });
    EXPECT_EQ(top().at(0).borderWidth(), 10);
    EXPECT_EQ(top().at(1).innerLineWidth(), 15);
    EXPECT_EQ(top().at(1).font(), (ElementFont{"Arial", 10, 0})); // the first one's font

    action("EditUndoItem")->trigger();
    drag(*view, from, to);
    answer<ElementFormatDialog>("FormatBlockItem", [](ElementFormatDialog& format) {
        setText(format, "FontNameEdit", "");
        auto* left = format.findChild<QRadioButton*>("LeftButton");
        ASSERT_TRUE(left->isChecked());
        QTest::mouseDClick(left, Qt::LeftButton);
        EXPECT_FALSE(left->isChecked());
    });
    EXPECT_EQ(top().at(1).font(), (ElementFont{"Courier New", 12, Bold}));
    EXPECT_EQ(top().at(1).hAlign(), Alignment::End);

    drag(*view, from, to);
    answer<ElementFormatDialog>("FormatBlockItem", [](ElementFormatDialog& format) {
        setText(format, "FontNameEdit", "Times New Roman");
        setText(format, "FontSizeEdit", "");
    });
    EXPECT_EQ(top().at(0).font(), (ElementFont{"Times New Roman", 10, 0}));
    EXPECT_EQ(top().at(1).font(), (ElementFont{"Times New Roman", 12, 0}));

    // The font picker starts from the element's style and hands it back.
    drag(*view, from, to);
    answer<ElementFormatDialog>("FormatBlockItem", [](ElementFormatDialog& format) {
        format.findChild<QCheckBox*>("BoldBox")->setChecked(true);
        QTimer::singleShot(0, [] {
            auto* fonts = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(fonts, nullptr);
            EXPECT_TRUE(fonts->currentFont().bold());
            EXPECT_FALSE(fonts->currentFont().italic());
            fonts->accept();
        });
        format.findChild<QPushButton*>("SelectFontBtn")->click();
        EXPECT_TRUE(format.findChild<QCheckBox*>("BoldBox")->isChecked());
        EXPECT_FALSE(format.findChild<QCheckBox*>("ItalicBox")->isChecked());
    });
    EXPECT_EQ(top().at(1).font().style, Bold);
}

// A click on the title opens the dialog on "Titel"; a character the title
// cannot hold is refused there with the reason, as in text entry.
TEST_F(FormatDialogsTest, TheTitleOpensItsPageAndTakesAnyCharacterAsOneStep) {
    appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Block, context, {"x := 1"});
    });
    QString page;
    QString note;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DiagramFormatDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* pages = dialog->findChild<QTabWidget*>();
        page = pages->tabText(pages->currentIndex());
        auto* edit = dialog->findChild<QLineEdit*>("TitelEdit");
        edit->setFocus();
        edit->end(false);
        for (const QChar c : QStringLiteral(" ≤ 2")) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &key);
        }
        title = edit->text();
        for (auto* label : pages->currentWidget()->findChildren<QLabel*>("HintLabel"))
            note = label->isVisible() ? label->text() : note;
        dialog->accept();
    });
    frame.setTool(Tool::Text);
    const std::string before = editor().document().format().title;
    click(*view, {top().left() + 20, top().top() - 20});
    EXPECT_EQ(page, "Titel");
    EXPECT_TRUE(title.endsWith(QStringLiteral(" ≤ 2"))) << title.toStdString();
    EXPECT_TRUE(note.isEmpty()) << note.toStdString();
    // The file's form beside the exact title, which is what is drawn.
    EXPECT_EQ(editor().document().format().title, before + " <= 2");
    EXPECT_EQ(editor().document().shownTitle(), title.toStdString());
    editor().undo();
    EXPECT_EQ(editor().document().format().title, before);
    EXPECT_EQ(editor().document().shownTitle(), before);
    editor().redo();
    EXPECT_EQ(editor().document().shownTitle(), title.toStdString());
}

TEST_F(FormatDialogsTest, TheDiagramFormatReadsLengthsByItsRuleAndCentringKeepsThePosition) {
    answer<DiagramFormatDialog>("FormatStruktItem", [](DiagramFormatDialog& format) {
        EXPECT_EQ(text(format, "HorzPosEdit"), "1,50 cm");
        EXPECT_EQ(text(format, "FrameThickEdit"), "0,40 mm");
        format.findChild<QCheckBox*>("HorzZentrCheckBox")->setChecked(true);
        EXPECT_FALSE(format.findChild<QLineEdit*>("HorzPosEdit")->isEnabled());
        setText(format, "HorzPosEdit", "9,99 cm");
        setText(format, "VertPosEdit", " 2,00 cm");
        setText(format, "FrameThickEdit", "0,45 mm");
        setText(format, "TitelEdit", "Ablauf");
    });
    const DiagramFormat& format = editor().document().format();
    EXPECT_TRUE(format.centerHorz);
    EXPECT_NE(format.frameLeft, 999);
    EXPECT_EQ(format.frameTop, 200);
    EXPECT_EQ(format.frameThickness, 4);
    EXPECT_EQ(format.title, "Ablauf");
    EXPECT_TRUE(isEnabled("EditUndoItem"));

    answer<DiagramFormatDialog>(
        "FormatStruktItem",
        [](DiagramFormatDialog& dialog) { setText(dialog, "FrameThickEdit", "0,55 mm"); },
        "CancelBtn");
    EXPECT_EQ(editor().document().format().frameThickness, 4);
    action("EditUndoItem")->trigger();
    EXPECT_FALSE(isEnabled("EditUndoItem")); // Cancel took no snapshot
    answer<DiagramFormatDialog>("FormatStruktItem", [](DiagramFormatDialog& dialog) {
        setText(dialog, "FrameThickEdit", "0,55 mm");
    });
    EXPECT_EQ(editor().document().format().frameThickness, 6);

    // Typed without the unit, a length is read as it stands.
    answer<DiagramFormatDialog>("FormatStruktItem", [](DiagramFormatDialog& dialog) {
        dialog.findChild<QCheckBox*>("HorzZentrCheckBox")->setChecked(false);
        setText(dialog, "HorzPosEdit", "12");
        setText(dialog, "VertPosEdit", "4,25");
        setText(dialog, "FrameThickEdit", "0,8");
    });
    EXPECT_EQ(editor().document().format().frameLeft, 1200);
    EXPECT_EQ(editor().document().format().frameTop, 425);
    EXPECT_EQ(editor().document().format().frameThickness, 8);
}

// A number a field does not take is refused with the reason and the range;
// nothing is cut, turned or dropped on the way.
TEST_F(FormatDialogsTest, ARefusedNumberIsToldAndChangesNothing) {
    const Bytes before = encodeDocument(editor().document());
    for (const char* typed : {"500", "0", "-5", "abc", "12,5"}) {
        QStringList messages;
        QTimer::singleShot(0, [typed, &messages] {
            auto* dialog = qobject_cast<DiagramFormatDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            setText(*dialog, "ZoomEdit", QString::fromLatin1(typed));
            onNextMessageBox([&messages](QMessageBox& box) {
                messages << box.text();
                box.accept();
            });
            dialog->findChild<QPushButton*>("OKBtn")->click();
            EXPECT_TRUE(dialog->isVisible()) << typed;
            EXPECT_EQ(text(*dialog, "ZoomEdit"), QString::fromLatin1(typed));
            EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QLineEdit*>("ZoomEdit")) << typed;
            dialog->findChild<QPushButton*>("CancelBtn")->click();
        });
        action("FormatStruktItem")->trigger();
        ASSERT_EQ(messages.size(), 1) << typed;
        EXPECT_EQ(messages[0], QStringLiteral("„%1“ ist nicht möglich. Der Maßstab muß eine ganze "
                                              "Zahl von 5 bis 400 % sein.")
                                   .arg(QString::fromLatin1(typed)));
    }
    EXPECT_EQ(encodeDocument(editor().document()), before);
}

TEST(SettingsPersistence, LabelsAndRecentFilesSurviveARestartAndAFailedWriteStillCloses) {
    QTemporaryDir dir;
    const QString beside = dir.filePath("programm/velbrant.def");
    const QString config = dir.filePath("config/velbrant.def");
    {
        MainWindow frame;
        frame.useSettings(std::make_unique<SettingsFile>(beside, config));
        QTimer::singleShot(0, [] {
            QWidget* labels = QApplication::activeModalWidget();
            labels->findChild<QLineEdit*>("edtSonst")->setText("andernfalls");
            labels->findChild<QPushButton*>("BitBtn1")->click();
        });
        frame.findChild<QAction*>("Eigenschaften1")->trigger();
        ASSERT_NE(frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/menue.STR"), nullptr);
        EXPECT_TRUE(frame.close());
    }
    EXPECT_FALSE(QFile::exists(beside));
    ASSERT_TRUE(QFile::exists(config));
    MainWindow again;
    again.useSettings(std::make_unique<SettingsFile>(beside, config));
    EXPECT_EQ(again.formats().labels().caseElse, "andernfalls");
    EXPECT_TRUE(again.files().recentFiles().paths().value(0).endsWith("menue.STR"));

    MainWindow failing;
    const QString blocked = dir.filePath("config/velbrant.def/x.def"); // parent is a file
    failing.useSettings(std::make_unique<SettingsFile>(blocked, blocked));
    QString message;
    onNextMessageBox([&message](QMessageBox& box) {
        message = box.text();
        box.accept();
    });
    EXPECT_TRUE(failing.close());
    EXPECT_EQ(message, "Unable to write to " + QDir::toNativeSeparators(blocked));
}

} // namespace
} // namespace velbrant::test
