#include "app/find/find_dialog.h"
#include "app_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Find and replace in the editor: over two diagrams, through each one's
// undo, with the places framed and selected in turn.
namespace velbrant::test {
namespace {

class FindTest : public AppTest {
protected:
    DocumentWindow* first = nullptr;
    DocumentWindow* second = nullptr;
    FindDialog* dialog = nullptr;

    void SetUp() override {
        AppTest::SetUp();
        first = withTexts({{"i := 1", "Liste[i] := 0"}, {"Ausgabe: \"bis i\""}});
        second = withTexts({{"summe := summe + i"}, {"Eingabe: I"}});
        dialog = frame.findChild<FindDialog*>("FindDlg");
    }
    DocumentWindow* withTexts(const std::vector<std::vector<std::string>>& texts) {
        DocumentWindow* window = frame.files().newDocument();
        appendBuilt(window->editor(), [&texts](Sequence& run, const LayoutContext& context) {
            for (const auto& lines : texts)
                appendNew(run, ElementKind::Block, context, lines);
        });
        return window;
    }
    static std::vector<std::string> texts(DocumentWindow* window, std::size_t index) {
        return window->editor().document().topSequence().at(index).lines();
    }
    template <typename Widget> Widget* part(const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }
    void press(const char* name) { QTest::mouseClick(part<QPushButton>(name), Qt::LeftButton); }
    QString status() { return part<QLabel>("StatusLabel")->text(); }
};

TEST_F(FindTest, ReplacingAWholeWordInTwoDiagramsChangesExactlyItsPlacesAndUndoesInEach) {
    action("EditReplaceItem")->trigger();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_TRUE(part<QPushButton>("ReplaceAllBtn")->isVisible());
    part<QLineEdit>("FindEdit")->setText("i");
    part<QLineEdit>("ReplaceEdit")->setText("k");
    part<QCheckBox>("WholeWordBox")->setChecked(true);
    part<QCheckBox>("CaseBox")->setChecked(true);
    part<QRadioButton>("AllDiagramsButton")->setChecked(true);
    EXPECT_EQ(status(), "4 Stellen gefunden.");
    press("ReplaceAllBtn");
    EXPECT_EQ(status(), "4 Stellen ersetzt.");
    EXPECT_EQ(texts(first, 0), (std::vector<std::string>{"k := 1", "Liste[k] := 0"}));
    EXPECT_EQ(texts(first, 1), (std::vector<std::string>{"Ausgabe: \"bis k\""}));
    EXPECT_EQ(texts(second, 0), (std::vector<std::string>{"summe := summe + k"}));
    EXPECT_EQ(texts(second, 1), (std::vector<std::string>{"Eingabe: I"}));

    for (DocumentWindow* window : {first, second}) {
        EXPECT_EQ(window->editor().undoName(), "Ersetzen");
        window->editor().undo();
    }
    EXPECT_EQ(texts(first, 0), (std::vector<std::string>{"i := 1", "Liste[i] := 0"}));
    EXPECT_EQ(texts(second, 0), (std::vector<std::string>{"summe := summe + i"}));
}

TEST_F(FindTest, F3SelectsThePlacesOneAfterTheOtherAcrossTheDiagramsAndFramesThem) {
    action("EditFindItem")->trigger();
    EXPECT_FALSE(part<QPushButton>("ReplaceAllBtn")->isVisible()) << "Suchen alone";
    part<QRadioButton>("AllDiagramsButton")->setChecked(true);
    part<QLineEdit>("FindEdit")->setText("summe");
    EXPECT_EQ(second->view().searchHits().size(), 1u);
    EXPECT_TRUE(first->view().searchHits().empty());

    part<QLineEdit>("FindEdit")->setText("i");
    part<QCheckBox>("WholeWordBox")->setChecked(true);
    // Case does not count unless asked: the capital I is found too.
    EXPECT_EQ(status(), "5 Stellen gefunden.");
    const auto selected = [](DocumentWindow* window) { return window->editor().selectedIndex(); };
    action("EditFindNextItem")->trigger();
    EXPECT_EQ(frame.activeDocument(), second) << "the active diagram first";
    EXPECT_EQ(selected(second), std::optional<std::size_t>(0));
    action("EditFindNextItem")->trigger();
    EXPECT_EQ(selected(second), std::optional<std::size_t>(1));
    EXPECT_EQ(status(), "Stelle 2 von 5.");
    action("EditFindNextItem")->trigger();
    EXPECT_EQ(frame.activeDocument(), first);
    EXPECT_EQ(selected(first), std::optional<std::size_t>(0));
    action("EditFindPreviousItem")->trigger();
    EXPECT_EQ(frame.activeDocument(), second);

    // One replacement at a time, then on to the next place.
    part<QLineEdit>("ReplaceEdit")->setText("n");
    press("ReplaceBtn");
    EXPECT_EQ(texts(second, 1), (std::vector<std::string>{"Eingabe: n"}));
    EXPECT_EQ(status(), "Stelle 2 von 4.");

    part<QCheckBox>("RegexBox")->setChecked(true);
    part<QLineEdit>("FindEdit")->setText("(i");
    EXPECT_TRUE(status().contains("regulär")) << status().toStdString();

    // Closed, the dialog takes its frames away, and an edit leaves none
    // pointing into the tree.
    part<QCheckBox>("RegexBox")->setChecked(false);
    part<QLineEdit>("FindEdit")->setText("summe");
    EXPECT_EQ(second->view().searchHits().size(), 1u);
    press("CloseBtn");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(second->view().searchHits().empty());
    action("EditFindNextItem")->trigger();
    EXPECT_EQ(second->view().searchHits().size(), 1u) << "F3 finds again without the dialog";
    second->editor().selectAll();
    second->editor().deleteSelection();
    EXPECT_TRUE(second->view().searchHits().empty());
    second->view().viewport()->repaint();
}

} // namespace
} // namespace velbrant::test
