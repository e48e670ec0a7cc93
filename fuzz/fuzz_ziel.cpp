// libFuzzer target (built with -DKALUMO_FUZZ=ON and clang); FUZZ_EINSTIEG names the entry.
#include "datei_einstieg.h"
#include "ini_einstieg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge)
{
    return FUZZ_EINSTIEG(daten, laenge);
}
