#pragma once

#include <QByteArray>
#include <QString>

namespace orvanta {

// Replaces a file's content so that a crash or a failed write never leaves it
// half-written: the bytes go to a temporary file in the same folder, are
// flushed to disk, and the temporary file is then renamed over the old one.
// On failure the old file is untouched and error (when given) says why.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace orvanta
