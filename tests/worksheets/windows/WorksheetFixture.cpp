#include "WorksheetFixture.h"

#include "menu/MenuWindows.h"
#include "model/QuestionFile.h"
#include "model/Register.h"
#include "quiz/QuizWindows.h"
#include "worksheets/WorksheetWindows.h"

#include <QDirIterator>

namespace av::test {

WorksheetFixture::WorksheetFixture() {
    registerWorksheetWindows(t.app());
    registerQuizWindows(t.app());
    registerMenuWindows(t.app());
    t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    t.state().soundOn = 1;
}

void WorksheetFixture::fillWizard(const QString& title) {
    WorksheetWizard& w = wizard();
    w.titleBox().setText(title);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        w.questionBox(q).setText(QStringLiteral("Question text %1").arg(q + 1));
        for (int c = 0; c < WorksheetWizard::Choices; ++c) {
            const int i = WorksheetWizard::Choices * q + c;
            w.choiceBoxes()[i].setText(
                QStringLiteral("Choice %1%2").arg(q + 1).arg(QChar(u'A' + c)));
            w.correctTicks()[i].setChecked(c == q % WorksheetWizard::Choices);
        }
    }
}

void WorksheetFixture::writeWorksheet(const QString& title, const QString& correct) {
    QuestionSet set;
    set.title = title;
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = QStringLiteral("%1 asks %2").arg(title).arg(n);
        set.question(n).choice(1) = QStringLiteral("one");
        set.question(n).choice(2) = QStringLiteral("two");
        set.question(n).choice(3) = QStringLiteral("three");
        set.question(n).choice(4) = QStringLiteral("four");
        set.question(n).correct = correct;
    }
    const QString text =
        questionFileLines(set).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    t.writeFile(QStringLiteral("multiple/") + title + QStringLiteral(".txt"), text.toLatin1());
}

void WorksheetFixture::writeRegister(const QStringList& names) {
    QString text = QStringLiteral(" %1 \r\n").arg(names.size());
    for (const QString& name : names)
        text += registerLine(name) + QStringLiteral("\r\n");
    t.writeFile(QStringLiteral("multiple/track.txt"), text.toLatin1());
}

QStringList WorksheetFixture::registerNames(int count, const QString& stem) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(stem + QString::number(i));
    return names;
}

QStringList WorksheetFixture::lines(const QString& relativePath) const {
    QString text = QString::fromLatin1(t.readFile(relativePath));
    if (text.endsWith(QStringLiteral("\r\n"))) text.chop(2);
    return text.split(QStringLiteral("\r\n"));
}

int WorksheetFixture::menuLoads() const {
    return int(t.pictures.loaded.count(QStringLiteral("Images\\memnonsm.jpg")));
}

QStringList WorksheetFixture::shown() {
    QStringList out;
    for (int j = 1; j <= WorksheetCatalogue::Entries; ++j)
        if (!catalogue().entry(j).isHidden()) out.append(catalogue().entry(j).caption());
    return out;
}

QStringList WorksheetFixture::allFiles() const {
    QStringList files;
    QDirIterator it(t.folderPath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next().mid(t.folderPath().size() + 1));
    files.sort();
    return files;
}

} // namespace av::test
