#include "tools/common/unihan.h"

#include <bzlib.h>

#include <cstdio>
#include <memory>

namespace {

void visitLine(const QByteArray &line, const UnihanVisitor &visit)
{
    if (!line.startsWith("U+"))
        return;
    const qsizetype tab1 = line.indexOf('\t');
    const qsizetype tab2 = tab1 < 0 ? -1 : line.indexOf('\t', tab1 + 1);
    if (tab2 < 0)
        return;
    bool ok = false;
    const uint codePoint = line.mid(2, tab1 - 2).toUInt(&ok, 16);
    if (!ok)
        return;
    visit(char32_t(codePoint), line.mid(tab1 + 1, tab2 - tab1 - 1), line.mid(tab2 + 1).trimmed());
}

} // namespace

bool readUnihanFile(const QString &bz2Path, const UnihanVisitor &visit)
{
    std::unique_ptr<FILE, int (*)(FILE *)> file(std::fopen(bz2Path.toLocal8Bit().constData(), "rb"),
                                                &std::fclose);
    if (!file)
        return false;
    int error = BZ_OK;
    BZFILE *bz = BZ2_bzReadOpen(&error, file.get(), 0, 0, nullptr, 0);
    if (error != BZ_OK)
        return false;

    QByteArray pending;
    char buffer[1 << 16];
    while (error == BZ_OK) {
        const int n = BZ2_bzRead(&error, bz, buffer, sizeof buffer);
        if (error != BZ_OK && error != BZ_STREAM_END)
            break;
        pending.append(buffer, n);
        qsizetype start = 0;
        for (qsizetype nl = pending.indexOf('\n'); nl >= 0; nl = pending.indexOf('\n', start)) {
            visitLine(pending.mid(start, nl - start), visit);
            start = nl + 1;
        }
        pending.remove(0, start);
    }
    const bool ok = error == BZ_STREAM_END;
    BZ2_bzReadClose(&error, bz);
    if (ok && !pending.isEmpty())
        visitLine(pending, visit);
    return ok;
}
