#include "platform/atomic_file.h"

#include <QSaveFile>

namespace orvanta {

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    // A write into a folder we may not create files in fails rather than
    // falling back to rewriting the file in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(content) != content.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) { // flushes, syncs to disk, then renames
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orvanta
