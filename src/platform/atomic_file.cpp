#include "platform/atomic_file.h"

#include <QSaveFile>

namespace orvanta {

bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error)
{
    QSaveFile file(path);
    // A write into a folder we may not create files in fails rather than
    // falling back to rewriting the file in place.
    file.setDirectWriteFallback(false);
    // Unbuffered, so a short write (disk full, file size limit) shows here
    // instead of being lost in the flush that commit() does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < content.size()) {
        const qint64 chunk = file.write(content.constData() + written, content.size() - written);
        if (chunk <= 0) {
            if (error)
                *error = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += chunk;
    }
    if (!file.commit()) { // flushes, syncs to disk, then renames
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace orvanta
