#include "RegisterFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace av::test {

RegisterFolder::RegisterFolder() {
    if (!m_dir.isValid()) std::abort();
}

void RegisterFolder::write(const QString& relativePath, const QByteArray& bytes) const {
    const QString full = path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(full).path());
    QFile out(full);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) std::abort();
}

QByteArray RegisterFolder::read(const QString& relativePath) const {
    QFile in(path() + QLatin1Char('/') + relativePath);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace av::test
