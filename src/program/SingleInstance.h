#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace av {

// One running program per desktop session: the first start listens on a local socket in the
// session's runtime folder; a later start finds it, asks it to come to the front and ends.
// Two users, or two sessions of one user, have runtime folders of their own. Plain sockets and
// a socket notifier do it, so no network library is loaded on the way to the first frame.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // runtimeDir is the session's $XDG_RUNTIME_DIR; without one every start runs on its own.
    explicit SingleInstance(const QString& runtimeDir, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another program of this session has been asked to come forward (this start
    // should end); otherwise this program now answers later starts.
    bool handOver();

    QString socketPath() const { return m_path; }

  signals:
    // A later start asked this program to come to the front.
    void activated();

  private:
    bool askRunningProgram() const;
    bool listen();
    void answer();

    QString m_path;
    int m_listener = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace av
