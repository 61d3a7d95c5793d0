// Feeds every file of the given folders (or the given files) to the target
// once, in name order, as libFuzzer would replay a corpus. Used where
// libFuzzer is not built (g++, the sanitizer build of CI).
#include "harness.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv)
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                inputs.append(it.next());
        } else {
            inputs.append(arg);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "usage: %s corpus-folder-or-file...\n", argv[0]);
        return 2;
    }
    for (const QString &path : std::as_const(inputs)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(path)); // names the input that stops the run
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("replayed %lld inputs\n", static_cast<long long>(inputs.size()));
    return 0;
}
