#pragma once

#include "platform/RuntimeError.h"

namespace av {

// A symbolic link stands where the register or its lock belongs. Following it could read or
// overwrite a file anywhere that the link's maker chose, so the change is refused instead.
class PlantedLink : public RuntimeError {
  public:
    explicit PlantedLink(const QString& path) : RuntimeError(PermissionDenied, path) {}

    // What the teacher is told.
    static QString message() {
        return QStringLiteral("The worksheet folder holds a link where the list of worksheets "
                              "belongs, so nothing was changed. Please ask whoever looks after "
                              "the computers to remove it.");
    }
};

} // namespace av
