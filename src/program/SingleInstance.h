#pragma once

#include <QObject>
#include <QString>
#include <thread>

namespace av {

// One running program per desktop session: the first start listens on a local socket in the
// session's runtime folder; a later start finds it, asks it to come to the front and ends.
// Two users, or two sessions of one user, have runtime folders of their own. Plain sockets and
// a socket notifier do it, so no network library is loaded on the way to the first frame.
//
// Only a runtime folder that is this account's own and closed to others is used, and only a
// program of this account is asked or answered; a program that does not answer within two
// seconds (a stopped one) is left as it is. In each of these cases the start runs on its own.
// Knocks are answered on a thread of their own, so a program busy with a long step still
// answers and comes forward once it is done.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    // How long a start waits for its turn, and then for the running program's answer.
    static constexpr int WaitMs = 2000;
    // What a running program sends back to a knock of its own account.
    static constexpr char Answer = 'V';

    // runtimeDir is the session's $XDG_RUNTIME_DIR; without one every start runs on its own.
    explicit SingleInstance(const QString& runtimeDir, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another program of this session has answered that it comes forward (this start
    // should end); otherwise this program runs, and answers later starts where it safely can.
    bool handOver();

    QString socketPath() const { return m_path; }
    // Why this start runs on its own although a session may hold another; empty when it does
    // not, or when no other program could be there.
    const QString& problem() const { return m_problem; }

  signals:
    // A later start asked this program to come to the front.
    void activated();

  private:
    enum class Knock { Answered, NobodyThere, NoAnswer, Stranger };
    Knock askRunningProgram() const;
    bool listen();
    void answerKnocks();

    QString m_path;
    QString m_problem;
    int m_listener = -1;
    int m_stop[2] = {-1, -1}; // written to end the answering thread
    std::thread m_answerer;
};

} // namespace av
