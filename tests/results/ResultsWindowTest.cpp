// The teacher's window of pupils' results, over real results files: through its methods, and
// by keyboard as a teacher who uses no pointer would.
#include "KeyEvents.h"
#include "TestApp.h"

#include "model/ResultsFolder.h"
#include "program/Program.h"
#include "results/PupilsResultsScreen.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace av;
using namespace av::test;

namespace {

using Link = PupilsResultsScreen::ResultsLink;

const QString Pyramids = QStringLiteral("The Pyramids");
const QString Labelling = QStringLiteral("The Pyramids: Labelling Activity");

PupilResult made(const QString& pupil, const QString& activity, int minute, QStringList wrong) {
    PupilResult r;
    r.when = QDateTime(QDate(2026, 12, 8), QTime(10, minute, 3));
    r.computer = QStringLiteral("pc%1").arg(minute % 3);
    r.account = QStringLiteral("class4");
    r.pupil = pupil;
    r.activity = activity;
    r.outOf = 10;
    r.score = 10 - int(wrong.size());
    r.wrong = std::move(wrong);
    return r;
}

class AnsweringChooser : public SaveFileChooser {
  public:
    QString chooseSaveFile(QWidget*, const QString& suggested) override {
        asked << suggested;
        return answer;
    }
    QString answer;
    QStringList asked;
};

class ResultsWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerAllWindows(t.app());
        t.state().keepResults = true;
        QDir().mkpath(t.app().services.folder.worksheetFolder());
    }
    ResultsFolder folder() { return ResultsFolder(t.app().services.folder.worksheetFolder()); }
    void recordClass() {
        for (const PupilResult& r :
             {made(QStringLiteral("Amir"), Pyramids, 1, {QStringLiteral("3"), QStringLiteral("7")}),
              made(QStringLiteral("Bea"), Pyramids, 2, {QStringLiteral("3")}),
              made(QStringLiteral("Amir"), Labelling, 3, {QStringLiteral("Nile, river")}),
              made(QStringLiteral("Chen, \"C\""), Pyramids, 4, {})})
            ASSERT_TRUE(folder().record(r));
    }
    PupilsResultsScreen& open() {
        t.windows().show(QString::fromLatin1(PupilsResultsScreen::Name));
        return t.windows().get<PupilsResultsScreen>();
    }
    static QStringList column(const QTableView& table, int column) {
        QStringList texts;
        for (int row = 0; row < table.model()->rowCount(); ++row)
            texts << table.model()->index(row, column).data().toString();
        return texts;
    }

    TestApp t;
};

TEST_F(ResultsWindowTest, ListsEveryResultNewestFirstAndNarrowsToAPupilOrAnActivity) {
    recordClass();
    PupilsResultsScreen& w = open();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_TRUE(w.resultsTable().isVisibleTo(&w));
    EXPECT_FALSE(w.notice().isVisibleTo(&w));
    EXPECT_EQ(column(w.resultsTable(), 1),
              (QStringList{QStringLiteral("Chen, \"C\""), QStringLiteral("Amir"),
                           QStringLiteral("Bea"), QStringLiteral("Amir")}));
    EXPECT_EQ(w.resultsTable().model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Score"));
    EXPECT_EQ(w.resultsTable().model()->index(2, 3).data().toString(),
              QStringLiteral("9 out of 10"));
    EXPECT_EQ(w.resultsTable().model()->index(2, 0).data().toString(),
              QStringLiteral("2026-12-08 10:02"));

    w.choosePupil(QStringLiteral("Amir"));
    EXPECT_EQ(column(w.resultsTable(), 2), (QStringList{Labelling, Pyramids}));
    EXPECT_EQ(w.pupilChoice().currentText(), QStringLiteral("Amir"));
    EXPECT_FALSE(w.wrongTable().isVisibleTo(&w)) << "no quiz chosen";

    w.choosePupil(QString());
    w.activityChoice().setCurrentIndex(w.activityChoice().findText(Pyramids));
    EXPECT_EQ(column(w.resultsTable(), 1),
              (QStringList{QStringLiteral("Chen, \"C\""), QStringLiteral("Bea"),
                           QStringLiteral("Amir")}));
    // Question by question: how many of the class answered it wrongly.
    ASSERT_TRUE(w.wrongTable().isVisibleTo(&w));
    EXPECT_EQ(column(w.wrongTable(), 0),
              (QStringList{QStringLiteral("Question 3"), QStringLiteral("Question 7")}));
    EXPECT_EQ(column(w.wrongTable(), 1),
              (QStringList{QStringLiteral("2 pupils"), QStringLiteral("1 pupil")}));
    EXPECT_FALSE(w.resultsTable().geometry().intersects(w.wrongTable().geometry()));

    w.chooseActivity(Labelling);
    EXPECT_EQ(column(w.wrongTable(), 0), QStringList{QStringLiteral("Nile, river")});
}

TEST_F(ResultsWindowTest, WhileResultsAreOffItSaysHowToSwitchThemOnAndShowsNothing) {
    recordClass();
    t.state().keepResults = false;
    PupilsResultsScreen& w = open();
    ASSERT_TRUE(w.notice().isVisibleTo(&w));
    EXPECT_TRUE(w.notice().caption().contains(QStringLiteral("results=on")));
    EXPECT_TRUE(w.notice().caption().contains(QStringLiteral("--results on")));
    EXPECT_FALSE(w.resultsTable().isVisibleTo(&w));
    EXPECT_FALSE(w.pupilChoice().isVisibleTo(&w));
    EXPECT_EQ(w.resultsTable().model()->rowCount(), 0);
    for (Link l : {Link::Export, Link::Print, Link::DeleteAll})
        EXPECT_FALSE(w.link(l).isVisibleTo(&w));
    EXPECT_TRUE(w.link(Link::Exit).isVisibleTo(&w));
}

TEST_F(ResultsWindowTest, AnAccountThatMayNotReadTheResultsIsToldOnlyTeachersMay) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every folder; ResultsAccountsTest covers it";
    recordClass();
    QFile::setPermissions(folder().path(), QFile::WriteOwner | QFile::ExeOwner);
    PupilsResultsScreen& w = open();
    QFile::setPermissions(folder().path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(w.notice().caption(), QStringLiteral("Only teachers can see pupils' results."));
    EXPECT_FALSE(w.resultsTable().isVisibleTo(&w));
    EXPECT_FALSE(w.link(Link::Export).isVisibleTo(&w));
}

TEST_F(ResultsWindowTest, ExportWritesTheListShownWhereTheTeacherChoosesAsCsvAnotherReaderReads) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "no python3 to read the CSV with";
    recordClass();
    PupilsResultsScreen& w = open();
    AnsweringChooser chooser;
    w.setSaveFileChooser(&chooser);
    w.onLinkClicked(Link::Export); // cancelled: nothing written
    ASSERT_EQ(chooser.asked.size(), 1);
    EXPECT_TRUE(chooser.asked[0].endsWith(QStringLiteral(".csv")));

    QTemporaryDir out;
    chooser.answer = out.filePath(QStringLiteral("class 4.csv"));
    w.choosePupil(QStringLiteral("Amir"));
    w.onLinkClicked(Link::Export);
    EXPECT_TRUE(t.messages.shown.empty()) << qPrintable(t.messages.texts().join(u'|'));

    QProcess reader;
    reader.start(python,
                 {QStringLiteral("-c"),
                  QStringLiteral("import csv,json,sys\n"
                                 "with open(sys.argv[1],newline='',encoding='utf-8') as f:\n"
                                 "    print(json.dumps(list(csv.reader(f))))\n"),
                  chooser.answer});
    ASSERT_TRUE(reader.waitForFinished(30000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().constData();
    const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(
        rows[0].toVariant().toStringList(),
        (QStringList{QStringLiteral("When"), QStringLiteral("Computer"), QStringLiteral("Account"),
                     QStringLiteral("Pupil"), QStringLiteral("Activity"), QStringLiteral("Score"),
                     QStringLiteral("Out of"), QStringLiteral("Wrong")}));
    EXPECT_EQ(
        rows[1].toVariant().toStringList(),
        (QStringList{QStringLiteral("2026-12-08T10:03:03"), QStringLiteral("pc0"),
                     QStringLiteral("class4"), QStringLiteral("Amir"), Labelling,
                     QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("Nile, river")}));
    EXPECT_EQ(rows[2].toArray()[7].toString(), QStringLiteral("3; 7"));

    chooser.answer = out.filePath(QStringLiteral("no such folder/x.csv"));
    w.onLinkClicked(Link::Export);
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_TRUE(t.messages.shown[0].text.startsWith(QStringLiteral("The results could not be "
                                                                   "exported.")));
}

TEST_F(ResultsWindowTest, PrintSendsTheListAsShownAndSaysSoWhenThereIsNoPrinter) {
    recordClass();
    PupilsResultsScreen& w = open();
    w.chooseActivity(Labelling);
    w.onLinkClicked(Link::Print);
    ASSERT_EQ(t.printer.documents.size(), 1u);
    QStringList texts;
    for (const PrintOp& op : t.printer.documents[0])
        if (op.kind == PrintOp::Kind::Text) texts << op.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("Pupils' Results: ") + Labelling))
        << qPrintable(texts.join(u'|'));
    EXPECT_TRUE(texts.contains(QStringLiteral("Amir")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Bea"))) << "only the list as shown";
    EXPECT_TRUE(texts.contains(QStringLiteral("9 out of 10")));

    t.printer.noPrinter = true;
    w.onLinkClicked(Link::Print);
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});
}

TEST_F(ResultsWindowTest, ALongListPrintsOnAsManyPagesAsItNeeds) {
    for (int i = 0; i < 150; ++i)
        ASSERT_TRUE(folder().record(made(QStringLiteral("Pupil %1").arg(i), Pyramids, i % 60, {})));
    PupilsResultsScreen& w = open();
    w.onLinkClicked(Link::Print);
    ASSERT_GE(t.printer.documents.size(), 2u);
    int rows = 0;
    for (const auto& page : t.printer.documents)
        for (const PrintOp& op : page) {
            if (op.kind != PrintOp::Kind::Text) continue;
            if (op.text.startsWith(QStringLiteral("Pupil "))) ++rows;
            EXPECT_LE(op.y, t.printer.pageHeight) << qPrintable(op.text);
        }
    EXPECT_EQ(rows, 150);
}

TEST_F(ResultsWindowTest, DeleteAllAsksFirstAndRemovesOnlyResultsFiles) {
    recordClass();
    QDir(folder().path()).mkpath(QStringLiteral("."));
    QFile notes(QDir(folder().path()).filePath(QStringLiteral("notes.csv")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("Name,Mark\r\nx,1\r\n");
    notes.close();
    PupilsResultsScreen& w = open();

    t.messages.answers.push_back(MessageBoxService::Answer::Cancel);
    w.onLinkClicked(Link::DeleteAll);
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(folder().read().results.size(), 4);

    w.onLinkClicked(Link::DeleteAll);
    EXPECT_TRUE(folder().read().results.isEmpty());
    EXPECT_EQ(w.resultsTable().model()->rowCount(), 0);
    EXPECT_TRUE(QFile::exists(notes.fileName())) << "not a results file";
}

TEST_F(ResultsWindowTest, WorksByKeyboardAloneAndNamesItsPartsForAScreenReader) {
    recordClass();
    PupilsResultsScreen& w = open();
    Window& active = activeWindow(t.windows(), PupilsResultsScreen::Name);
    EXPECT_EQ(w.pupilChoice().accessibleName(), QStringLiteral("Pupil"));
    EXPECT_EQ(w.activityChoice().accessibleName(), QStringLiteral("Activity"));
    EXPECT_EQ(w.resultsTable().accessibleName(), QStringLiteral("Pupils' Results"));

    ASSERT_TRUE(tabTo(active, w.pupilChoice()));
    key(active, Qt::Key_Down);
    EXPECT_EQ(w.selection().pupil(), QStringLiteral("Amir"));
    EXPECT_EQ(w.resultsTable().model()->rowCount(), 2);
    // From the table, Tab goes on to the commands, not from cell to cell.
    ASSERT_TRUE(tabTo(active, w.resultsTable()));
    key(active, Qt::Key_Tab);
    EXPECT_EQ(focused(), &w.link(Link::Export));
    ASSERT_TRUE(tabTo(active, w.link(Link::Print)));
    key(active, Qt::Key_Return);
    EXPECT_EQ(t.printer.documents.size(), 1u);
    key(active, Qt::Key_Escape);
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(PupilsResultsScreen::Name)));
}

} // namespace
