#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace corvessa {

// Replaces (or creates) `path` with `bytes` through a temporary file in the
// same folder, renamed over the old file once it is complete. On failure the
// old file is left as it was and the reason is returned.
std::optional<QString> replaceFileAtomically(const QString &path, const QByteArray &bytes);

}  // namespace corvessa
