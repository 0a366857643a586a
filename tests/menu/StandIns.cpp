#include "StandIns.h"

#include "model/QuestionFile.h"

namespace av::test {

bool Journal::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* window = qobject_cast<Window*>(object))
            events.append(QStringLiteral("%1 shown after %2 sounds")
                              .arg(window->name())
                              .arg(m_sounds.size()));
    return false;
}

void StandIn::onLoad() {
    applyCommonFrame(*this, app());
    const QString seen = seenOnLoad();
    m_journal.events.append(name() + QStringLiteral(" loaded") +
                            (seen.isEmpty() ? QString() : QStringLiteral(": ") + seen));
}

PageViewerStandIn::PageViewerStandIn(App& app, Journal& journal)
    : StandIn(app, QStringLiteral("teacher"), journal),
      Label1(add<Label>(QStringLiteral("Label1"))), Image1(add<Image>(QStringLiteral("Image1"))),
      Image2(add<Image>(QStringLiteral("Image2"))),
      Picture2(add<PicturePanel>(QStringLiteral("Picture2"))), Timer1(*new Timer(this)) {
    for (int i = 0; i <= 3; ++i)
        add<Label>(QStringLiteral("label3"), i);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(25);
}

QString PageViewerStandIn::seenOnLoad() const {
    return QStringLiteral("%1 pages of '%2'").arg(state().pageCount).arg(state().pageSetKey);
}

GuideStandIn::GuideStandIn(App& app, Journal& journal)
    : StandIn(app, QStringLiteral("guide"), journal), Image1(add<Image>(QStringLiteral("Image1"))),
      Image2(add<Image>(QStringLiteral("Image2"))) {}

QuizStandIn::QuizStandIn(App& app, Journal& journal)
    : StandIn(app, QStringLiteral("multiple"), journal),
      Picture1(add<PicturePanel>(QStringLiteral("Picture1"))),
      Label5(add<Label>(QStringLiteral("Label5"))) {}

void QuizStandIn::onLoad() {
    StandIn::onLoad();
    Label5.setCaption(QStringLiteral("set on load"));
}

ActivityStandIn::ActivityStandIn(App& app, const QString& name, Journal& journal)
    : StandIn(app, name, journal), Label6(add<Label>(QStringLiteral("Label6"))) {}

void ActivityStandIn::onLoad() {
    StandIn::onLoad();
    Label6.setCaption(QStringLiteral("set on load"));
}

void CatalogueStandIn::exitToMenu() {
    app().windows.show(QStringLiteral("intro0"));
    unload();
}

void defineStandIns(TestApp& t, Journal& journal) {
    WindowManager& w = t.windows();
    App& app = t.app();
    Journal& j = journal;
    w.define(QStringLiteral("teacher"), [&] { return new PageViewerStandIn(app, j); });
    w.define(QStringLiteral("guide"), [&] { return new GuideStandIn(app, j); });
    w.define(QStringLiteral("multiple"), [&] { return new QuizStandIn(app, j); });
    w.define(QStringLiteral("wizard"),
             [&] { return new StandIn(app, QStringLiteral("wizard"), j); });
    w.define(QStringLiteral("worksheets"), [&] { return new CatalogueStandIn(app, j); });
    for (const char* name : {"wordslab", "pyramidslab", "wordsord", "pyramidsord"}) {
        const QString n = QString::fromLatin1(name);
        w.define(n, [&app, &j, n] { return new ActivityStandIn(app, n, j); });
    }
}

QByteArray questionFile(const QString& title, int lines) {
    QuestionSet set;
    set.title = title;
    for (int n = 1; n <= 10; ++n) {
        set.question(n).text = QStringLiteral("Question %1").arg(n);
        set.question(n).choice(1) = set.question(n).choice(2) = set.question(n).choice(3) =
            set.question(n).choice(4) = QStringLiteral("a choice");
        set.question(n).correct = QStringLiteral("2");
    }
    const QStringList all = questionFileLines(set);
    return (all.mid(0, lines).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

} // namespace av::test
