#include "app/dialogs/recovery_dialog.h"
#include "app/frame/recovery.h"
#include "app/settings/recent_files.h"
#include "app_fixture.h"
#include "model/files/structogram_file.h"
#include "render/qt_text_measurer.h"
#include "small_file_system.h"

#include <QDateTime>
#include <QDir>
#include <QDropEvent>
#include <QPlainTextEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

namespace velbrant::test {
namespace {

class FileCommandsTest : public AppTest {
protected:
    QTemporaryDir dir;
    QString savePath; // what the save dialog answers; empty: cancelled
    QString savePreset;

    void SetUp() override {
        AppTest::SetUp();
        FileDialogs dialogs;
        dialogs.open = [](QWidget*) { return QString(); };
        dialogs.save = [this](QWidget*, const QString& preset) {
            savePreset = preset;
            return savePath;
        };
        frame.files().setFileDialogs(dialogs);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QByteArray bytesOf(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    // Runs "Exportieren" with the name typed into its dialog.
    void exportAs(const QString& typed) {
        QTimer::singleShot(0, [typed] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto* file = dialog->findChild<QLineEdit*>("ExportFileEdit");
            file->clear();
            QTest::keyClicks(file, typed);
            dialog->findChild<QPushButton*>("OKBtn")->click();
        });
        action("FileExportItem")->trigger();
    }
    // How Qt's PDF writer spells a title: UTF-16 big-endian after a mark.
    static QByteArray titleInPdf(const QString& title) {
        QByteArray bytes("/Title (\xFE\xFF");
        for (const QChar c : title) {
            bytes += static_cast<char>(c.unicode() >> 8);
            bytes += static_cast<char>(c.unicode() & 0xFF);
        }
        return bytes + ')';
    }
    DocumentWindow* modifiedNewDocument() {
        DocumentWindow* window = frame.files().newDocument();
        frame.setTool(elementTool(ElementKind::Call));
        click(window->view(), {300, 400});
        return window;
    }
};

TEST_F(FileCommandsTest, NewNamesCountOnAndAnOpenedFileClosesWithoutAsking) {
    DocumentWindow* first = frame.files().newDocument();
    EXPECT_EQ(first->fileName(), "STRUKT1.STR");
    EXPECT_EQ(first->editor().document().format().title, "STRUKT1");
    EXPECT_TRUE(first->close());
    QApplication::processEvents();
    EXPECT_EQ(frame.files().newDocument()->fileName(), "STRUKT2.STR");

    DocumentWindow* opened =
        frame.files().openDocument(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR");
    ASSERT_NE(opened, nullptr);
    EXPECT_FALSE(opened->isModified());
    EXPECT_TRUE(opened->close()); // a prompt would block here
}

TEST_F(FileCommandsTest, SaveAsksForANameThenWritesBytesThatReloadToTheSameDocument) {
    DocumentWindow* window = modifiedNewDocument();
    // Unsaved changes show in both captions, and undo names its step.
    EXPECT_EQ(window->windowTitle(), "STRUKT1.STR[*]");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(frame.windowTitle(), "Velbrant32 - [STRUKT1.STR[*]]");
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_EQ(action("EditUndoItem")->text(), "&Rückgängig: Einfügen");
    EXPECT_EQ(frame.findChild<QWidget*>("CancelButton")->toolTip(), "Rückgängig: Einfügen");
    action("FileSaveItem")->trigger();
    EXPECT_EQ(savePreset, "STRUKT1.STR");
    EXPECT_FALSE(window->hasFileName());
    EXPECT_TRUE(window->isModified());
    // A title given before the first save is the name it proposes, without
    // what a file name cannot hold.
    DiagramFormat format = window->editor().document().format();
    format.title = "Noten: Durchschnitt?";
    window->editor().setFormat(format);
    action("FileSaveItem")->trigger();
    EXPECT_EQ(savePreset, "Noten Durchschnitt.STR");

    savePath = path("ablauf.STR");
    action("FileSaveItem")->trigger();
    EXPECT_FALSE(window->isModified());
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(frame.isWindowModified());
    EXPECT_EQ(window->windowTitle(), QDir::toNativeSeparators(savePath) + "[*]");
    const QByteArray saved = bytesOf(savePath);
    QtTextMeasurer measurer;
    const auto reloaded =
        loadDocument(Bytes(saved.begin(), saved.end()), measurer, DefaultLabels{});
    reloaded->layout(measurer, window->editor().paper());
    const Bytes again = encodeDocument(*reloaded);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(again.data()),
                         static_cast<qsizetype>(again.size())),
              saved);
    EXPECT_EQ(frame.files().recentFiles().paths().value(0), savePath);

    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    frame.files().newDocument();
    frame.findChild<QMdiArea*>("MdiArea")->setActiveSubWindow(window);
    EXPECT_EQ(window->windowTitle(), "ablauf.STR[*]");
    QDir::setCurrent(before);
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheOldFileAndTheDocumentModified) {
    DocumentWindow* window = modifiedNewDocument();
    savePath = path("alt.STR");
    ASSERT_TRUE(frame.files().save(*window));
    const QByteArray old = bytesOf(savePath);
    frame.setTool(elementTool(ElementKind::Exit));
    click(window->view(), {300, 400});
    ASSERT_TRUE(window->isModified());

    savePath = path("alt.STR/neu.STR"); // its parent is a file
    answerNextMessageBox(QMessageBox::Ok);
    EXPECT_FALSE(frame.files().saveAs(*window));
    EXPECT_TRUE(window->isModified());
    EXPECT_EQ(window->filePath(), QDir::toNativeSeparators(path("alt.STR")));
    EXPECT_EQ(bytesOf(path("alt.STR")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"alt.STR"});
}

TEST_F(FileCommandsTest, ASaveOntoAFullDiskKeepsTheOldFileAndSaysTheDiskIsFull) {
    SmallFileSystem disk(16 * 1024);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    DocumentWindow* window = frame.files().newDocument();
    appendBuilt(window->editor(), [](Sequence& run, const LayoutContext& context) {
        buildMixedTree(run, context, 300, 3);
    });
    const QString target = QString::fromStdString(disk.file("ablauf.STR"));
    QFile oldFile(target);
    ASSERT_TRUE(oldFile.open(QIODevice::WriteOnly));
    oldFile.write("alt");
    oldFile.close();
    QString error;
    EXPECT_FALSE(window->writeFile(target, &error));
    EXPECT_TRUE(error.contains("Auf dem Datenträger ist kein Platz mehr")) << error.toStdString();
    EXPECT_EQ(bytesOf(target), "alt");
    EXPECT_TRUE(window->isModified());
}

TEST_F(FileCommandsTest, YesWithACancelledSaveKeepsTheWindowAndTheFrame) {
    modifiedNewDocument();
    savePath.clear();
    answerNextMessageBox(QMessageBox::Yes);
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(frame.documents().size(), 1);

    savePath = path("gesichert.STR");
    answerNextMessageBox(QMessageBox::Yes);
    EXPECT_TRUE(frame.close());
    EXPECT_TRUE(QFile::exists(savePath));
}

TEST_F(FileCommandsTest, ADamagedOrMissingFileSaysWhyAndLeavesNoWindow) {
    QFile damaged(path("kaputt.STR"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytesOf(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR").left(400));
    damaged.close();
    for (const char* name : {"kaputt.STR", "fehlt.STR"}) {
        QString message;
        onNextMessageBox([&message](QMessageBox& box) {
            message = box.text();
            box.accept();
        });
        EXPECT_EQ(frame.files().openDocument(path(name)), nullptr);
        EXPECT_TRUE(message.contains(QString::fromUtf8(name))) << message.toStdString();
        EXPECT_TRUE(frame.documents().isEmpty());
    }
}

// A Python file opens as its main program and a window per function, all
// new and unsaved, with a note naming what was kept as source text; the
// main program runs with the functions of the other windows.
TEST_F(FileCommandsTest, AProgramSourceOpensAsItsDiagramsAndRuns) {
    QFile source(path("rechnen.py"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("def quadrat(x):\n    return x * x\n\n\ndef doppelt(x):\n    return 2 * x\n\n\n"
                 "with open('x') as f:\n    pass\nprint(quadrat(3), doppelt(4))\n");
    source.close();
    QString note;
    onNextMessageBox([&note](QMessageBox& box) {
        note = box.text();
        box.accept();
    });
    DocumentWindow* main = frame.files().openDocument(path("rechnen.py"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(note.contains("2 Funktionen")) << note.toStdString();
    EXPECT_TRUE(note.contains("Zeile 9 \u201ewith open('x') as f:\u201c")) << note.toStdString();
    ASSERT_EQ(frame.documents().size(), 3);
    EXPECT_EQ(frame.activeDocument(), main);
    for (DocumentWindow* window : frame.documents()) {
        EXPECT_TRUE(window->editor().isModified());
        EXPECT_FALSE(window->hasFileName());
    }
    EXPECT_EQ(main->editor().document().format().title, "rechnen");
    action("RunStartItem")->trigger();
    auto* output = frame.findChild<QPlainTextEdit*>(QStringLiteral("RunOutput"));
    EXPECT_TRUE(QTest::qWaitFor([output] { return output->toPlainText().contains("9 8"); }, 5000))
        << output->toPlainText().toStdString();
}

TEST_F(FileCommandsTest, ANameTypedWithoutExtensionOpensItsDiagramWhateverTheCase) {
    ASSERT_TRUE(
        QFile::copy(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR", path("lineare-suche.STR")));
    FileDialogs dialogs;
    dialogs.open = [this](QWidget*) { return path("lineare-suche"); };
    frame.files().setFileDialogs(dialogs);
    action("FileOpenItem")->trigger();
    ASSERT_EQ(frame.documents().size(), 1);
    EXPECT_EQ(frame.activeDocument()->fileName(), "lineare-suche.STR");
}

TEST_F(FileCommandsTest, RecentFilesKeepTheEightNewestAndDropMissingOnes) {
    RecentFiles recent;
    for (int i = 0; i < 10; ++i)
        recent.add(path(QByteArray::number(i).constData()));
    recent.add(path("5"));
    EXPECT_EQ(recent.paths().size(), RecentFiles::MaxCount);
    EXPECT_EQ(recent.paths().front(), path("5"));
    EXPECT_EQ(recent.paths().back(), path("2"));

    const QString copy = path("kopie.STR");
    ASSERT_TRUE(QFile::copy(VELBRANT_SOURCE_DIR "/examples/lineare-suche.STR", copy));
    ASSERT_NE(frame.files().openDocument(copy), nullptr);
    QFile::remove(copy);
    auto* menu = frame.findChild<QMenu*>("RecentFilesMenu");
    emit menu->aboutToShow();
    answerNextMessageBox(QMessageBox::Ok);
    menu->actions().front()->trigger();
    EXPECT_TRUE(frame.files().recentFiles().paths().isEmpty());
}

TEST_F(FileCommandsTest, ADroppedFileOpensAndExportWritesAPicture) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(VELBRANT_SOURCE_DIR "/examples/menue.STR")});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);
    ASSERT_EQ(frame.documents().size(), 1);

    const QString shownPath = frame.activeDocument()->filePath();
    exportAs(path("bild.svg"));
    EXPECT_TRUE(bytesOf(path("bild.svg")).contains("<svg"));
    // A typed extension chooses the format; the document stays what it was.
    exportAs(path("lineare.nsd"));
    EXPECT_TRUE(bytesOf(path("lineare.nsd")).contains("<root"));
    EXPECT_FALSE(QFile::exists(path("lineare.nsd.png")));
    exportAs(path("bild.pdf"));
    const QByteArray pdf = bytesOf(path("bild.pdf"));
    EXPECT_TRUE(pdf.contains(titleInPdf(
        QString::fromLatin1(frame.activeDocument()->editor().document().format().title.c_str()))));
    EXPECT_EQ(frame.activeDocument()->filePath(), shownPath);
    EXPECT_FALSE(frame.activeDocument()->isModified());

    answerNextMessageBox(QMessageBox::Ok);
    exportAs(path("bild.svg/x.png"));
    EXPECT_FALSE(QFile::exists(path("bild.svg/x.png")));
}

// Another program changes an open file: an unchanged document offers to
// read it again; a changed one says so, and saving over the file asks.
TEST_F(FileCommandsTest, AFileChangedByAnotherProgramIsNoticedAndNotOverwrittenUnasked) {
    const QString file = path("datei.STR");
    ASSERT_TRUE(QFile::copy(VELBRANT_SOURCE_DIR "/examples/menue.STR", file));
    DocumentWindow* window = frame.files().openDocument(file);
    ASSERT_NE(window, nullptr);
    const auto changeOnDisk = [&file](const char* example, int seconds) {
        QFile target(file);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(bytesOf(QStringLiteral(VELBRANT_SOURCE_DIR "/examples/") + example));
        target.setFileTime(QDateTime::currentDateTime().addSecs(seconds),
                           QFileDevice::FileModificationTime);
    };
    QString told;
    onNextMessageBox([&told](QMessageBox& box) {
        told = box.text();
        box.button(QMessageBox::Yes)->click();
    });
    changeOnDisk("ggt.STR", 10);
    EXPECT_TRUE(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 5000));
    EXPECT_TRUE(told.contains("Neu laden?")) << told.toStdString();
    EXPECT_EQ(window->editor().document().format().title, "ggT(a, b)");

    appendBuilt(window->editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Block, context, {"x := 1"});
    });
    told.clear();
    onNextMessageBox([&told](QMessageBox& box) {
        told = box.text();
        box.accept();
    });
    changeOnDisk("menue.STR", 20);
    EXPECT_TRUE(QTest::qWaitFor([&told] { return !told.isEmpty(); }, 5000));
    EXPECT_TRUE(told.contains("noch nicht gespeichert")) << told.toStdString();

    told.clear();
    onNextMessageBox([&told](QMessageBox& box) {
        told = box.text();
        for (QAbstractButton* button : box.buttons())
            if (button->text() == "Abbrechen")
                button->click();
    });
    action("FileSaveItem")->trigger();
    EXPECT_TRUE(told.contains("seit dem Öffnen")) << told.toStdString();
    EXPECT_EQ(bytesOf(file), bytesOf(QStringLiteral(VELBRANT_SOURCE_DIR "/examples/menue.STR")));
}

// An edited document that a crash took comes back at the next start:
// written to its recovery file, offered, restored with the edit and
// modified. Here the "crash" is a recovery file whose writer is gone.
TEST_F(FileCommandsTest, AnEditedDocumentComesBackAfterACrash) {
    QDir(Recovery::standardFolder()).removeRecursively();
    const QString file = path("absturz.STR");
    ASSERT_TRUE(QFile::copy(VELBRANT_SOURCE_DIR "/examples/menue.STR", file));
    DocumentWindow* window = frame.files().openDocument(file);
    appendBuilt(window->editor(), [](Sequence& run, const LayoutContext& context) {
        appendNew(run, ElementKind::Block, context, {"nach dem Absturz"});
    });
    frame.recovery().writeNow();
    const QDir folder(Recovery::standardFolder());
    const QStringList infos = folder.entryList({QStringLiteral("*.info")});
    ASSERT_EQ(infos.size(), 1);
    EXPECT_TRUE(frame.recovery().leftBehind().isEmpty()) << "its writer still runs";
    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 gonePid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile info(folder.filePath(infos[0]));
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    QByteArray text = info.readAll();
    info.close();
    text.replace(QByteArray("pid=") + QByteArray::number(QCoreApplication::applicationPid()),
                 QByteArray("pid=") + QByteArray::number(gonePid));
    ASSERT_TRUE(info.open(QIODevice::WriteOnly));
    info.write(text);
    info.close();

    QStringList offered;
    onNextDialog<RecoveryDialog>([&offered](RecoveryDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("DocumentList");
        for (int i = 0; i < list->count(); ++i)
            offered << list->item(i)->text();
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    frame.offerRecovery();
    ASSERT_EQ(offered.size(), 1);
    EXPECT_TRUE(offered[0].contains("absturz.STR")) << offered[0].toStdString();
    DocumentWindow* restored = frame.activeDocument();
    ASSERT_NE(restored, window);
    EXPECT_TRUE(restored->editor().isModified());
    EXPECT_EQ(restored->filePath(), QDir::toNativeSeparators(file));
    const Sequence& top = restored->editor().document().topSequence();
    EXPECT_EQ(top.at(top.size() - 1).lines(), std::vector<std::string>{"nach dem Absturz"});
    EXPECT_TRUE(folder.entryList({QStringLiteral("*.info")}).isEmpty()) << "brought back, gone";
}

} // namespace
} // namespace velbrant::test
