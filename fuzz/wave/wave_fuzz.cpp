#include "platform/WaveFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace

// Any input is read or refused; what is read holds samples, never more than the file has room for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const av::WavePtr samples = av::decodeWave(bytes);
    if (!samples) return 0;
    check(!samples->empty(), "a sound without samples");
    check(samples->size() * 2 + 44 <= size, "more samples than the file holds");
    return 0;
}
