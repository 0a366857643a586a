#include "TestApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

namespace av::test {

TestApp::TestApp() : m_folder(m_dir.path()) {
    makeApp();
}

TestApp::TestApp(ProgramFolder folder) : m_folder(std::move(folder)) {
    makeApp();
}

void TestApp::makeApp() {
    m_app = std::make_unique<App>(
        Services{m_folder, messages, sound, pictures, random, display, printer});
}

TestApp::~TestApp() {
    m_app.reset();
    processDeferredDeletes();
}

void TestApp::writeFile(const QString& relativePath, const QByteArray& bytes) {
    const QString path = m_folder.root() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write test file");
    file.write(bytes);
}

QByteArray TestApp::readFile(const QString& relativePath) const {
    QFile file(m_folder.root() + QLatin1Char('/') + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void processDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace av::test
