// Feeds arbitrary bytes to the project reader. Damaged data must be refused with TStreamError;
// anything else that escapes, and every sanitizer report, is a finding. A project that was read
// must also write, read back and write again to the same bytes, and dump without trouble.
#include "core/io/ProjectDump.h"
#include "core/io/ProjectFile.h"
#include "core/model/Stream.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {
bool Read(QByteArray bytes, TProject& project) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TStream stream(buffer);
    try {
        return ReadProject(stream, project, nullptr) == TLoadResult::Loaded;
    } catch (const TStreamError&) {
        return false;
    }
}

QByteArray Written(TProject& project) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TStream stream(buffer);
    WriteProject(stream, project);
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TProject project;
    if (!Read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)),
              project))
        return 0;
    const QByteArray written = Written(project);
    TProject again;
    if (!Read(written, again) || Written(again) != written)
        std::abort();
    DumpProject(project);
    return 0;
}
