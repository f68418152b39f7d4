// replaymain.cpp: runs a fuzz target over files and directories of inputs, once each, for
// compilers without libFuzzer and for the corpus replay of the test suite.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));
// A target that keeps objects across inputs frees them here, before the program ends.
extern "C" void vyroFuzzCleanup() __attribute__((weak));

static bool runFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray data = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()),
                           size_t(data.size()));
    return true;
}

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                if (!runFile(it.next()))
                    return 1;
                ++runs;
            }
        } else {
            if (!runFile(path))
                return 1;
            ++runs;
        }
    }
    // An empty corpus would pass without testing anything.
    if (runs == 0) {
        std::fprintf(stderr, "no inputs given\n");
        return 1;
    }
    if (vyroFuzzCleanup)
        vyroFuzzCleanup();
    std::printf("%d inputs ran clean\n", runs);
    return 0;
}
