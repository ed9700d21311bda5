#include "tests/support/QtPrinters.h"
#include "import/NumerologyImport.h"
#include "tests/support/WindowTest.h"
#include "windows/shared/CommonDialog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Import : public WindowTest {
protected:
    Import()
        : dialog_([this](const CommonDialog& settings, QWidget* parent) {
              asked.push_back(settings);
              parents.push_back(parent);
              return answer;
          }) {}

    frmMain& Main(const QString& name = QString()) {
        frmMain& window = Forms::Load<frmMain>();
        window.show();
        window.txtName->setText(name);
        return window;
    }

    QString File(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    bool ReadingShown() const { return Visible(Forms::Loaded<frmMayanTarotResult>()); }

    QTemporaryDir folder;
    QString answer;
    std::vector<CommonDialog> asked;
    std::vector<QWidget*> parents;

private:
    ScopedOpenFileHandler dialog_;
};

}  // namespace

TEST_F(Import, TheDialogIsSetUpForNumerologyFiles) {
    frmMain& window = Main();
    QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1u);
    const CommonDialog& cd = asked[0];
    EXPECT_EQ(cd.Filter, QStringLiteral("KV Numerelle (*.num)|*.num"));
    EXPECT_EQ(cd.FilterIndex, 2);
    EXPECT_EQ(cd.DefaultExt, QStringLiteral("num"));
    EXPECT_EQ(cd.Flags, 36868);
    EXPECT_EQ(cd.DialogTitle, QStringLiteral("Select the source file"));
    EXPECT_EQ(cd.FileName, QString());
    EXPECT_TRUE(cd.CancelError);
    EXPECT_EQ(parents[0], &window);
}

TEST_F(Import, ACancelChangesNothingAndSaysNothing) {
    frmMain& window = Main(QStringLiteral("Ana"));
    answer = QString();
    QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(ReadingShown());
    EXPECT_EQ(window.txtName->text(), QStringLiteral("Ana"));
}

TEST_F(Import, OtherEndingsAreRefusedCaseSensitively) {
    frmMain& window = Main(QStringLiteral("Ana"));
    for (const QString& name : {QStringLiteral("reading.txt"), QStringLiteral("READING.NUM"), QStringLiteral("a.Num")}) {
        shown.clear();
        answer = File(name, "Ana\r\n");
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
        ASSERT_EQ(shown.size(), 1u) << name.toStdString();
        EXPECT_EQ(shown[0].request.text, QStringLiteral("Please Check The File."));
        EXPECT_EQ(shown[0].request.icon, MessageIcon::Critical);
        EXPECT_EQ(shown[0].request.buttons, MessageButtons::Ok);
        EXPECT_FALSE(ReadingShown());
    }
    // Any path whose last three letters are "num" passes, dot or not.
    shown.clear();
    answer = File(QStringLiteral("saved_num"), "");
    QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(ReadingShown());
}

TEST_F(Import, AFileWithAnEmptyNameBoxIsReadThenTheNameIsAskedFor) {
    frmMain& window = Main();
    answer = File(QStringLiteral("saved.num"), "Ana\rMaria\r\n1990\r\n");
    QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].request.text, QStringLiteral("Please Enter Your Name"));
    EXPECT_FALSE(ReadingShown());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Import, WithANameAnyFileGivesAReading) {
    const std::vector<QByteArray> contents{
        "", "one\r\ntwo", "1\r2\r3\r4\r5\r6\r7\r8\r", QByteArray("\x00\xff\xfe binary \x01", 13)};
    for (std::size_t i = 0; i < contents.size(); ++i) {
        SCOPED_TRACE(i);
        frmMain& window = Main(QStringLiteral("Ana"));
        answer = File(QStringLiteral("f%1.num").arg(i), contents[i]);
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
        Settle();
        EXPECT_TRUE(shown.empty());
        EXPECT_TRUE(ReadingShown());
        EXPECT_EQ(Forms::Loaded<frmMain>(), nullptr);
        CloseEverything();
    }
}

TEST_F(Import, UnreadableFilesAndFoldersGoOnToTheReadingQuietly) {
    const QString folderNum = folder.filePath(QStringLiteral("folder.num"));
    ASSERT_TRUE(QDir().mkpath(folderNum));
    // A named pipe with no writer: opening it for reading would wait for one.
    const QString pipe = folder.filePath(QStringLiteral("pipe.num"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Should the import block on the pipe, a writer comes after a while and
    // releases it, and the test fails instead of hanging.
    std::atomic<bool> finished = false;
    std::atomic<bool> blocked = false;
    std::thread release([&] {
        for (int i = 0; i < 500 && !finished; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (finished) return;
        blocked = true;
        const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    });
    for (const QString& path : {pipe, folderNum, folder.filePath(QStringLiteral("gone.num"))}) {
        SCOPED_TRACE(path.toStdString());
        frmMain& window = Main(QStringLiteral("Ana"));
        answer = path;
        QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
        finished = true;
        Settle();
        EXPECT_TRUE(shown.empty());
        EXPECT_TRUE(ReadingShown());
        CloseEverything();
    }
    release.join();
    EXPECT_FALSE(blocked) << "the import waited on a named pipe";
}

TEST(NumerologyLines, LinesEndInCarriageReturnsWithOptionalLineFeeds) {
    QTemporaryDir folder;
    const auto read = [&](const QByteArray& content) {
        QFile file(folder.filePath(QStringLiteral("x.num")));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
        file.close();
        return ReadNumerologyLines(file.fileName());
    };
    EXPECT_EQ(read("a\r\nb\rc\r\n\r\ne\rf\rg\r"), (NumerologyLines{"a", "b", "c", "", "e", "f"}));
    EXPECT_EQ(read("one\r\ntwo"), (NumerologyLines{"one", "two", "", "", "", ""}));
    EXPECT_EQ(read("lf\nonly\n"), (NumerologyLines{"lf\nonly\n", "", "", "", "", ""}));
    EXPECT_EQ(read(""), NumerologyLines{});
    EXPECT_EQ(read("\xe9t\xe9\r"), (NumerologyLines{QStringLiteral("été"), "", "", "", "", ""}));
    EXPECT_EQ(ReadNumerologyLines(folder.filePath(QStringLiteral("missing.num"))), NumerologyLines{});
}

TEST(NumerologyLines, AHugeFileWithoutLineBreaksIsReadOnlyInPart) {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("huge.num")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 150 MB without a single line break, written sparsely.
    ASSERT_TRUE(file.resize(150LL * 1024 * 1024));
    file.close();
    const NumerologyLines lines = ReadNumerologyLines(file.fileName());
    EXPECT_EQ(lines[0].size(), kMaxLineBytes);
    EXPECT_TRUE(lines[1].isEmpty());
}

TEST_F(Import, AltOReachesTheImportAtTheOpeningSize) {
    frmMain& window = Main(QStringLiteral("Ana"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The button lies below the client area: unseen, but its access key works.
    EXPECT_GT(window.cmdOpen->y(), window.centralWidget()->height());
    answer = QString();
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    // An access key presses the button visibly: the click follows shortly.
    for (int i = 0; i < 50 && asked.empty(); ++i) QTest::qWait(10);
    EXPECT_EQ(asked.size(), 1u);
}

namespace {

// Acts on the dialogs the import brings up, one step each time another one
// comes to the front; gives up after a while rather than hang.
class DialogScript {
public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
        clock_.start();
    }
    bool Finished() const { return next_ == steps_.size(); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (clock_.elapsed() > 10000) {
            timer_.stop();
            ADD_FAILURE() << "the dialogs went otherwise than scripted, at step " << next_;
            if (modal) modal->close();
            return;
        }
        if (!modal || !modal->isVisible() || modal == last_ || Finished()) return;
        last_ = modal;
        // Run from a timer of its own: what a step opens runs a modal loop,
        // in which this timer must go on polling (Qt never re-enters a
        // timer's own callback).
        QTimer::singleShot(0, modal, [step = steps_[next_++], modal] { step(modal); });
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QPointer<QWidget> last_;
    QTimer timer_;
    QElapsedTimer clock_;
};

}  // namespace

TEST_F(WindowTest, TheRealDialogAsksForAnExistingWritableNumerologyFile) {
    QTemporaryDir folder;
    for (const char* name : {"saved.num", "locked.num"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile::setPermissions(folder.filePath(QStringLiteral("locked.num")), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    // The dialog opens in the working folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());

    QString title;
    QStringList filters;
    QString suffix;
    QString directory;
    QStringList refusals;
    const auto choose = [](QWidget* dialog, const QString& name) {
        // A new name replaces whatever file was picked before.
        for (auto* view : dialog->findChildren<QAbstractItemView*>()) view->clearSelection();
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(box, nullptr);
        box->setText(name);
        QTest::keyClick(box, Qt::Key_Return);
    };
    const auto refused = [&](QWidget* message) {
        refusals << static_cast<QMessageBox*>(message)->text();
        message->close();
    };
    DialogScript script({
        [&](QWidget* dialog) {
            auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(fileDialog, nullptr);
            title = fileDialog->windowTitle();
            filters = fileDialog->nameFilters() << fileDialog->selectedNameFilter();
            suffix = fileDialog->defaultSuffix();
            directory = fileDialog->directory().absolutePath();
            choose(dialog, QStringLiteral("missing"));  // becomes missing.num, which does not exist
        },
        refused,
        [&](QWidget* dialog) { choose(dialog, QStringLiteral("locked.num")); },
        refused,
        [&](QWidget* dialog) { choose(dialog, QStringLiteral("saved")); },  // saved.num
    });
    frmMain& window = Forms::Load<frmMain>();
    window.show();
    window.txtName->setText(QStringLiteral("Ana"));
    QTest::mouseClick(window.cmdOpen, Qt::LeftButton);
    QDir::setCurrent(workingFolder);

    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(title, QStringLiteral("Select the source file"));
    EXPECT_EQ(filters, (QStringList{QStringLiteral("KV Numerelle (*.num)"), QStringLiteral("KV Numerelle (*.num)")}));
    EXPECT_EQ(suffix, QStringLiteral("num"));
    EXPECT_EQ(directory, QDir(folder.path()).canonicalPath());
    ASSERT_EQ(refusals.size(), 2);
    EXPECT_TRUE(refusals[0].contains(QStringLiteral("missing.num"))) << refusals[0].toStdString();
    EXPECT_TRUE(refusals[1].contains(QStringLiteral("read-only"))) << refusals[1].toStdString();
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(Visible(Forms::Loaded<frmMayanTarotResult>())) << "saved.num gave no reading";
}
