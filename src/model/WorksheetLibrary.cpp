#include "WorksheetLibrary.h"

#include "PlantedLink.h"
#include "QuestionFile.h"
#include "Register.h"
#include "RegisterLock.h"
#include "RegisterRecovery.h"
#include "WorksheetFile.h"

#include "platform/ProgramFolder.h"
#include "platform/SequentialFile.h"
#include "platform/StagedFile.h"
#include "platform/WorksheetFolderProblem.h"

#include <optional>

namespace av {
namespace {

using Failure = WorksheetLibrary::Failure;
using Outcome = WorksheetLibrary::Outcome;

Outcome failed(Failure failure, const QString& message, const QString& notice = {}) {
    return {failure, message, notice};
}

WorksheetLibrary::Opened damaged() {
    WorksheetLibrary::Opened out;
    out.failure = Failure::Damaged;
    out.message = QStringLiteral("This worksheet seems to be corrupted.");
    return out;
}

QString noticeFor(const QString& keptAs) {
    return keptAs.isEmpty() ? QString() : rebuiltMessage(keptAs);
}

} // namespace

WorksheetLibrary::WorksheetLibrary(const ProgramFolder& folder) : m_folder(folder) {}

WorksheetLibrary::Outcome WorksheetLibrary::reload() {
    SequentialFile file(m_folder);
    try {
        loadRegister(file, m_list);
    } catch (const RuntimeError&) {
        return failed(Failure::Unreadable, {});
    }
    return {};
}

WorksheetLibrary::Outcome WorksheetLibrary::refresh() {
    SequentialFile file(m_folder);
    try {
        return {Failure::None, {}, noticeFor(recoverRegister(file, m_folder, m_list))};
    } catch (const PlantedLink&) {
        return failed(Failure::Link, PlantedLink::message());
    } catch (const RuntimeError&) {
        return failed(Failure::Unwritable, {});
    }
}

WorksheetLibrary::Opened WorksheetLibrary::read(const QString& path) const {
    Opened out;
    SequentialFile file(m_folder);
    try {
        file.openInput(path);
        readQuestionSet(file, out.set);
        file.close();
    } catch (const RuntimeError&) {
        // A missing or cut-short file must not open half filled.
        file.abandon();
        return damaged();
    }
    return out;
}

WorksheetLibrary::Opened WorksheetLibrary::open(const QString& title) const {
    QString path;
    try {
        path = worksheetPath(title);
    } catch (const RuntimeError&) {
        return damaged(); // no file can have that name
    }
    Opened out = read(path);
    // The file's first line turns "&" into "," and may lose blanks; the register keeps the title.
    if (out.ok()) out.set.title = title;
    return out;
}

WorksheetLibrary::Opened WorksheetLibrary::openTopicQuiz(const QString& path) const {
    return read(path);
}

// The question file goes under a temporary name and takes its own only once the register lists
// it; a failure on the way removes the temporary file and puts the register back.
void WorksheetLibrary::writeAndRegister(const QString& title, const QuestionSet& set) {
    removeAbandonedStagedFiles(m_folder.worksheetFolder(), AbandonedAfter);
    SequentialFile sheet(m_folder);
    sheet.openOutput(worksheetPathForSaving(m_folder, title));
    QuestionSet filed = set;
    filed.title = title;
    writeQuestionFile(sheet, filed);
    sheet.flush();
    const std::optional<QByteArray> before = registerSnapshot(m_folder);
    SequentialFile track(m_folder);
    bool registered = false; // a failed registration has left the register as it was
    try {
        registered = registerWorksheet(track, m_list, title);
        sheet.close();
        // The register's own update leaves the copy's count as it was read.
        if (registered) m_list.setCount(m_list.count() + 1);
    } catch (const RuntimeError&) {
        track.abandon();
        if (registered) restoreRegister(m_folder, before);
        throw;
    }
}

WorksheetLibrary::Outcome WorksheetLibrary::save(const QString& title, const QuestionSet& set,
                                                 Replace replace) {
    const QString refusal = titleRefusal(m_folder, title);
    if (!refusal.isEmpty()) return failed(Failure::Refused, refusal);
    SequentialFile file(m_folder);
    QString notice;
    try {
        worksheetPathForSaving(m_folder, title);
        notice = noticeFor(recoverRegister(file, m_folder, m_list));
        if (!file.exists(RegisterPath)) m_list.setCount(0); // made on this first save
        if (replace == Replace::Ask && m_list.contains(title))
            return failed(Failure::Exists, {}, notice);
        // Taken first, so without it nothing at all is written.
        RegisterLock lock(m_folder);
        writeAndRegister(title, set);
    } catch (const PlantedLink&) {
        return failed(Failure::Link, PlantedLink::message(), notice);
    } catch (const RuntimeError&) {
        return failed(Failure::Unwritable,
                      withWorksheetFolderProblem(
                          QStringLiteral("There was a problem saving your worksheet"), m_folder),
                      notice);
    }
    return {Failure::None, {}, notice};
}

WorksheetLibrary::Outcome WorksheetLibrary::remove(const QString& title) {
    SequentialFile file(m_folder);
    QString notice;
    try {
        notice = noticeFor(recoverRegister(file, m_folder, m_list));
        RegisterLock lock(m_folder);
        removeAbandonedStagedFiles(m_folder.worksheetFolder(), AbandonedAfter);
        unregisterWorksheet(file, m_list, title);
    } catch (const PlantedLink&) {
        return failed(Failure::Link, PlantedLink::message(), notice);
    } catch (const RuntimeError&) {
        return failed(Failure::Unwritable,
                      QStringLiteral("There was a problem deleting your worksheet."), notice);
    }
    return {Failure::None, {}, notice};
}

} // namespace av
