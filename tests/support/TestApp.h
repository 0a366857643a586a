#pragma once

#include "RecordingPrinter.h"
#include "TestDoubles.h"

#include "platform/ProgramFolder.h"
#include "shell/App.h"

#include <QTemporaryDir>
#include <memory>

namespace av::test {

// An application over recording doubles and an empty program folder of its own.
class TestApp {
  public:
    TestApp();
    // Over folders chosen by the test (an installed tree, a shared worksheet folder).
    explicit TestApp(ProgramFolder folder);
    ~TestApp();

    App& app() { return *m_app; }
    WindowManager& windows() { return m_app->windows; }
    AppState& state() { return m_app->state; }
    QString folderPath() const { return m_folder.root(); }
    // Writes a file into the program folder, with the folders it needs.
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    QByteArray readFile(const QString& relativePath) const;

    RecordingMessageBox messages;
    RecordingSound sound;
    FakePictures pictures;
    ScriptedRandom random;
    FakeDisplay display;
    RecordingPrinter printer;

  private:
    void makeApp();

    QTemporaryDir m_dir;
    ProgramFolder m_folder;
    std::unique_ptr<App> m_app;
};

// Runs the deletions that unloading put off.
void processDeferredDeletes();

} // namespace av::test
