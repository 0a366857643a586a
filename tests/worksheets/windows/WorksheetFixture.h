#pragma once

#include "TestApp.h"

#include "menu/MainMenu.h"
#include "quiz/QuizScreen.h"
#include "shell/Glossary.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

#include <gtest/gtest.h>

namespace av::test {

using WizardLink = WorksheetWizard::WizardLink;
using CatalogueLink = WorksheetCatalogue::CatalogueLink;

class WorksheetFixture : public ::testing::Test {
  protected:
    WorksheetFixture();

    WorksheetWizard& wizard() { return t.windows().get<WorksheetWizard>(); }
    WorksheetCatalogue& catalogue() { return t.windows().get<WorksheetCatalogue>(); }
    QuizScreen& quiz() { return t.windows().get<QuizScreen>(); }
    MainMenu& menu() { return t.windows().get<MainMenu>(); }
    bool loaded(const char* name) { return t.windows().isLoaded(QString::fromLatin1(name)); }
    void unload(const char* name) { t.windows().unload(QString::fromLatin1(name)); }

    // Types a complete worksheet: question n answered by choice (n - 1) % 4 + 1.
    void fillWizard(const QString& title);
    void save() { wizard().onLinkClicked(WizardLink::SaveWorksheet); }
    // A complete question set titled title, written straight to its file.
    void writeWorksheet(const QString& title, const QString& correct = QStringLiteral("2"));
    // A register of the given names, each written as the register writes it.
    void writeRegister(const QStringList& names);
    QStringList registerNames(int count, const QString& stem = QStringLiteral("Sheet"));
    QStringList lines(const QString& relativePath) const;
    // Captions of the catalogue's entries on show, in entry order.
    QStringList shown();
    // Every file in the program folder, relative to it.
    QStringList allFiles() const;

    TestApp t;
    // The menu reads its picture at every load.
    int menuLoads() const;
    const QString problem = QStringLiteral("There was a problem saving your worksheet");
    const QString corrupted = QStringLiteral("This worksheet seems to be corrupted.");
    const QString saved = QStringLiteral("Your worksheet has been saved.");
    const QString click = QStringLiteral("wav\\click.wav");
};

} // namespace av::test
