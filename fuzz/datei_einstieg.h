#pragma once
// One input for the data file reader, shared by the libFuzzer target and the corpus
// replay of the normal test run. Aborts when a property of loading does not hold.

#include <cstddef>
#include <cstdint>

int DateiFuzzEinstieg(const std::uint8_t* daten, std::size_t laenge);
