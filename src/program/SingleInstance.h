#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace av {

// One running program per desktop session: the first start listens on a local socket in the
// session's runtime folder; a later start finds it, asks it to come to the front and ends.
// Two users, or two sessions of one user, have runtime folders of their own.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // runtimeDir is the session's $XDG_RUNTIME_DIR; without one every start runs on its own.
    explicit SingleInstance(const QString& runtimeDir, QObject* parent = nullptr);

    // True when another program of this session has been asked to come forward (this start
    // should end); otherwise this program now answers later starts.
    bool handOver();

    QString socketPath() const { return m_path; }

  signals:
    // A later start asked this program to come to the front.
    void activated();

  private:
    bool askRunningProgram();
    void answer();

    QString m_path;
    QLocalServer m_server;
};

} // namespace av
