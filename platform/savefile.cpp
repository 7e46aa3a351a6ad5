#include "platform/savefile.h"

#include <QSaveFile>

bool writeWholeFile(const QString &path, QByteArrayView bytes, QString *error)
{
    QSaveFile file(path);
    // Unbuffered: every write reaches the system here, where its count can be checked.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (qsizetype done = 0; written && done < bytes.size();) {
        const qint64 count = file.write(bytes.data() + done, bytes.size() - done);
        written = count > 0;
        done += written ? count : 0;
    }
    if (written && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}
