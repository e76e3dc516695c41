#include "app/dialogs/element_text_dialog.h"
#include "app/frame/file_dialogs.h"
#include "app_fixture.h"

#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

// Colours and comments the user gives elements: one undo step each, kept
// in Structorizer files, and a .STR save that offers such a file instead.
namespace velbrant::test {
namespace {

class AnnotationTest : public AppTest {
protected:
    QTemporaryDir dir;
    DocumentWindow* window = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        window = frame.files().newDocument();
        appendBuilt(editor(), [](Sequence& run, const LayoutContext& context) {
            appendNew(run, ElementKind::Block, context, {"erstens"});
            appendNew(run, ElementKind::Block, context, {"zweitens"});
        });
    }
    DocumentEditor& editor() { return window->editor(); }
    const Element& element(std::size_t index) {
        return editor().document().topSequence().at(index);
    }
    void chooseColor(const char* name) {
        auto* menu = frame.findChild<QMenu*>("FormatColorMenu");
        for (QAction* item : menu->actions())
            if (QString(item->text()).remove(QChar(u'&')) == QString::fromUtf8(name))
                return item->trigger();
        FAIL() << "no colour " << name;
    }
    QString savedNsd() {
        const QString path = dir.filePath("farben.nsd");
        QString error;
        EXPECT_TRUE(window->writeFile(path, &error)) << error.toStdString();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }
};

TEST_F(AnnotationTest, AColourOnTwoElementsIsOneUndoStepAndLandsInTheStructorizerFile) {
    EXPECT_FALSE(action("FormatColorItem")->isEnabled()) << "nothing selected";
    editor().selectAll();
    ASSERT_TRUE(isEnabled("FormatColorItem"));
    chooseColor("Rot");
    EXPECT_EQ(editor().undoName(), "Farbe");
    EXPECT_EQ(savedNsd().count(QStringLiteral("color=\"ff8080\"")), 2);

    editor().undo();
    EXPECT_EQ(element(0).nsd(), nullptr) << "a new element is new again";
    EXPECT_EQ(element(1).nsd(), nullptr);
    editor().redo();
    editor().selectAll();
    chooseColor("keine");
    EXPECT_EQ(savedNsd().count(QStringLiteral("color=\"ff8080\"")), 0);
}

TEST_F(AnnotationTest, ACommentTypedInTheTextDialogLandsInTheFileAndUndoesWithTheText) {
    frame.setTool(Tool::Text);
    DocumentView& view = window->view();
    click(view, {element(1).left() + 60, element(1).top() + 25});
    auto* dialog = frame.findChild<ElementTextDialog*>("EditDlg");
    ASSERT_TRUE(dialog->isVisible());
    auto* comment = dialog->findChild<QPlainTextEdit*>("CommentMemo");
    comment->setPlainText(QStringLiteral("Zählt die Runden\nab 1"));
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);

    ASSERT_NE(element(1).nsd(), nullptr);
    EXPECT_EQ(element(1).nsd()->comment, (std::vector<std::string>{"Zählt die Runden", "ab 1"}));
    EXPECT_EQ(editor().undoName(), "Text");
    const QString saved = savedNsd();
    EXPECT_TRUE(saved.contains(QStringLiteral("comment=\"&quot;Zählt die Runden&quot;,&quot;ab "
                                              "1&quot;\" color=\"ffffff\" rotated=\"0\"")))
        << saved.toStdString();
    EXPECT_EQ(editor().commentAt({element(1).left() + 60, element(1).top() + 25}),
              QStringLiteral("Zählt die Runden\nab 1"));

    // Shown as a note beside the frame, drawn right of the diagram.
    action("ViewCommentsItem")->trigger();
    EXPECT_TRUE(view.showsComments());
    editor().undo();
    EXPECT_EQ(element(1).nsd(), nullptr);
}

TEST_F(AnnotationTest, SavingColoursAsStructogramOffersAStructorizerFileInstead) {
    editor().selectAll();
    chooseColor("Grün");
    FileDialogs dialogs;
    QString proposed;
    dialogs.save = [this, &proposed](QWidget*, const QString& preset) {
        if (preset.endsWith(QStringLiteral(".nsd"))) {
            proposed = preset;
            return preset;
        }
        return dir.filePath("farben.STR");
    };
    frame.files().setFileDialogs(dialogs);
    onNextMessageBox([](QMessageBox& box) {
        auto* asNsd = box.findChild<QPushButton*>("SaveAsNsdButton");
        ASSERT_NE(asNsd, nullptr);
        EXPECT_EQ(box.defaultButton(), asNsd) << "the choice that loses nothing";
        asNsd->click();
    });
    EXPECT_TRUE(frame.files().saveAs(*window));
    EXPECT_EQ(proposed, dir.filePath("farben.nsd"));
    EXPECT_FALSE(QFile::exists(dir.filePath("farben.STR")));
    EXPECT_TRUE(QFile::exists(dir.filePath("farben.nsd")));
    EXPECT_EQ(window->filePath(), dir.filePath("farben.nsd"));
    EXPECT_FALSE(editor().isModified());
}

} // namespace
} // namespace velbrant::test
