// libFuzzer target for the data file reader (built with -DKALUMO_FUZZ=ON and clang).
#include "datei_einstieg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge)
{
    return DateiFuzzEinstieg(daten, laenge);
}
