// Two programs saving into one worksheet folder at the same time lose nothing.
#include "BuildFolders.h"
#include "model/QuestionFile.h"
#include "model/Register.h"
#include "model/WorksheetFile.h"
#include "platform/ProgramFolder.h"
#include "platform/SequentialFile.h"

#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;

namespace {

TEST(RegisterConcurrency, TwoProgramsSavingFiftyEachAtOnceListAllHundred) {
    QTemporaryDir dir;
    const QString shared = dir.filePath(QStringLiteral("school share"));
    QProcess first;
    QProcess second;
    first.start(built::program(u"register_saver"),
                {shared, QStringLiteral("First"), QStringLiteral("50")});
    second.start(built::program(u"register_saver"),
                 {shared, QStringLiteral("Second"), QStringLiteral("50")});
    for (QProcess* p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(240000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }

    const ProgramFolder folder(FolderPlan{shared, shared, {}, {}});
    SequentialFile file(folder);
    WorksheetRegister list;
    loadRegister(file, list);
    ASSERT_EQ(list.count(), 100);
    const QStringList listed = list.names();
    const QSet<QString> names(listed.begin(), listed.end());
    EXPECT_EQ(names.size(), 100);
    for (const char* tag : {"First", "Second"})
        for (int i = 1; i <= 50; ++i) {
            const QString title = QStringLiteral("%1 sheet %2").arg(QLatin1String(tag)).arg(i);
            EXPECT_TRUE(names.contains(title)) << qPrintable(title);
            QuestionSet set;
            file.openInput(worksheetPath(title));
            readQuestionSet(file, set);
            file.close();
            EXPECT_EQ(set.title, title);
            EXPECT_EQ(set.question(10).text, title + QStringLiteral(", question 10"));
            EXPECT_EQ(set.question(10).correct, QStringLiteral("1"));
        }
}

} // namespace
