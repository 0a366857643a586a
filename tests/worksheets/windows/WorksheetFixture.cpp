#include "WorksheetFixture.h"

#include "model/QuestionFile.h"
#include "model/Register.h"
#include "worksheets/WorksheetWindows.h"

#include <QDirIterator>

namespace av::test {

QuizStandIn::QuizStandIn(App& app)
    : Screen(app, QStringLiteral("multiple")),
      Picture1(add<PicturePanel>(QStringLiteral("Picture1"))),
      Label5(add<Label>(QStringLiteral("Label5"))), Label6(add<Label>(QStringLiteral("Label6"))),
      PrintLink(add<Label>(QStringLiteral("label3"), 3)) {
    PrintLink.setVisible(false);
}

void QuizStandIn::onLoad() {
    applyCommonFrame(*this, app());
    Label6.setCaption(state().questionSet.title);
}

MenuStandIn::MenuStandIn(App& app, int& loads)
    : Screen(app, QStringLiteral("intro0")), Image1(add<Image>(QStringLiteral("Image1"))),
      m_loads(loads) {}

void MenuStandIn::onLoad() {
    applyCommonFrame(*this, app());
    loadPicture(Image1, QStringLiteral("Images\\memnonsm.jpg"));
    state().soundOn = 1;
    ++m_loads;
}

WorksheetFixture::WorksheetFixture() {
    registerWorksheetWindows(t.app());
    t.windows().define(QStringLiteral("multiple"), [this] { return new QuizStandIn(t.app()); });
    t.windows().define(QStringLiteral("intro0"),
                       [this] { return new MenuStandIn(t.app(), menuLoads); });
    t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    t.state().soundOn = 1;
}

void WorksheetFixture::fillWizard(const QString& title) {
    WorksheetWizard& w = wizard();
    w.Text1.setText(title);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        w.Text2[q].setText(QStringLiteral("Question text %1").arg(q + 1));
        for (int c = 0; c < WorksheetWizard::Choices; ++c) {
            const int i = WorksheetWizard::Choices * q + c;
            w.Text3[i].setText(QStringLiteral("Choice %1%2").arg(q + 1).arg(QChar(u'A' + c)));
            w.Check1[i].setChecked(c == q % WorksheetWizard::Choices);
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

QStringList WorksheetFixture::shown() {
    QStringList out;
    for (int j = 1; j <= WorksheetCatalogue::Entries; ++j)
        if (!catalogue().Label2[j].isHidden()) out.append(catalogue().Label2[j].caption());
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
