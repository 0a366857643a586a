#pragma once

#include "TestApp.h"

#include "platform/Label.h"
#include "platform/PictureBox.h"
#include "platform/Timer.h"
#include "shell/Screen.h"

#include <QEvent>
#include <QStringList>

namespace av::test {

// Records, in order, what happens to the windows: loads of the stand-ins and every window
// shown, with how many sounds had played by then.
class Journal : public QObject {
  public:
    explicit Journal(const QStringList& sounds) : m_sounds(sounds) {}
    bool eventFilter(QObject* object, QEvent* event) override;

    QStringList events;

  private:
    const QStringList& m_sounds;
};

// Another subsystem's window, reduced to the widgets the menu and topic screens touch.
class StandIn : public Screen {
  public:
    StandIn(App& app, const QString& name, Journal& journal)
        : Screen(app, name), m_journal(journal) {}
    void onLoad() override;

  protected:
    // What the window notes about the program's state when it loads.
    virtual QString seenOnLoad() const { return {}; }

  private:
    Journal& m_journal;
};

class PageViewerStandIn : public StandIn {
  public:
    PageViewerStandIn(App& app, Journal& journal);
    QString seenOnLoad() const override;

    Label& Label1;
    Image& Image1;
    Image& Image2;
    PicturePanel& Picture2;
    Timer& Timer1;
};

class GuideStandIn : public StandIn {
  public:
    GuideStandIn(App& app, Journal& journal);

    Image& Image1;
    Image& Image2;
};

class QuizStandIn : public StandIn {
  public:
    QuizStandIn(App& app, Journal& journal);
    void onLoad() override;
    QString seenOnLoad() const override { return state().questionSet.title; }

    PicturePanel& Picture1;
    Label& Label5;
};

class ActivityStandIn : public StandIn {
  public:
    ActivityStandIn(App& app, const QString& name, Journal& journal);
    void onLoad() override;

    Label& Label6;
};

// The catalogue's Exit shows the menu, which was unloaded when the catalogue opened.
class CatalogueStandIn : public StandIn {
  public:
    CatalogueStandIn(App& app, Journal& journal)
        : StandIn(app, QStringLiteral("worksheets"), journal) {}
    void exitToMenu();
};

// Defines every stand-in above under its window's name.
void defineStandIns(TestApp& t, Journal& journal);

// A shipped question file of 72 lines whose title is the given one, cut to `lines` lines.
QByteArray questionFile(const QString& title, int lines = 72);

} // namespace av::test
