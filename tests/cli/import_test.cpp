// Programs in Python, Java and C go to diagrams and back: the program
// written from the diagrams, and the diagrams run, print what the original
// prints for the same input.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int exitCode;
    QString output;
    QString errors;
};

// A shell command in the folder, fed the input.
Ran shell(const QString& command, const QString& folder, const QByteArray& input) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000)) << command.toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct Program {
    const char* file;
    // Compiles (when needed) and runs the source named {} in the folder.
    const char* run;
};

TEST(ImportedPrograms, CodeToDiagramsToCodePrintsWhatTheOriginalPrints) {
    const QString velbrant = QStringLiteral(VELBRANT_BINARY);
    const QDir sources(QStringLiteral(VELBRANT_SOURCE_DIR "/tests/data/import"));
    for (const Program& program :
         {Program{"zahlen.py", "python3 {}"},
          Program{"Zahlen.java", "mkdir -p k && javac -d k {} && java -cp k Zahlen"},
          Program{"zahlen.c", "gcc -std=c11 -Wall -Werror -o prog {} -lm && ./prog"}}) {
        SCOPED_TRACE(program.file);
        QTemporaryDir original;
        QTemporaryDir back;
        const QString name = QString::fromLatin1(program.file);
        ASSERT_TRUE(QFile::copy(sources.filePath(name), original.filePath(name)));
        const QString run = QString::fromLatin1(program.run);
        const QByteArray input = "30\n12\n";
        const Ran expected = shell(QString(run).replace("{}", name), original.path(), input);
        ASSERT_EQ(expected.exitCode, 0) << expected.errors.toStdString();
        ASSERT_GT(expected.output.count('\n'), 10);

        const Ran exported = shell(velbrant + " --export '" + back.filePath(name) + "' '" +
                                       original.filePath(name) + "'",
                                   back.path(), {});
        ASSERT_EQ(exported.exitCode, 0) << exported.errors.toStdString();
        const Ran again = shell(QString(run).replace("{}", name), back.path(), input);
        EXPECT_EQ(again.exitCode, 0) << again.errors.toStdString();
        EXPECT_EQ(again.output, expected.output);

        const Ran interpreted =
            shell(velbrant + " --run '" + original.filePath(name) + "'", original.path(), input);
        EXPECT_EQ(interpreted.exitCode, 0) << interpreted.errors.toStdString();
        EXPECT_EQ(interpreted.output, expected.output);

        // As diagrams: the main one, and one file per function beside it.
        const Ran diagrams = shell(
            velbrant + " --export haupt.nsd '" + original.filePath(name) + "'", back.path(), {});
        EXPECT_EQ(diagrams.exitCode, 0) << diagrams.errors.toStdString();
        EXPECT_TRUE(QFile::exists(back.filePath("fak.nsd")));
        const Ran fromDiagrams = shell(velbrant + " --run haupt.nsd", back.path(), input);
        EXPECT_EQ(fromDiagrams.output, expected.output);
    }
}

// A source over 10 MB is refused before it is read, with the reason.
TEST(ImportedPrograms, ASourceOver10MbIsRefused) {
    QTemporaryDir dir;
    QFile big(dir.filePath("gross.py"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(11 << 20, '#'));
    big.close();
    const Ran refused = shell(QStringLiteral(VELBRANT_BINARY) + " --export x.txt gross.py",
                              dir.path(), {});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains("10 MB")) << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.txt")));
}

} // namespace
