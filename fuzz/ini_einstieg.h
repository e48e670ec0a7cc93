#pragma once
// One input for the settings file reader, shared by the libFuzzer target and the corpus
// replay of the normal test run. Aborts when a property does not hold.

#include <cstddef>
#include <cstdint>

int IniFuzzEinstieg(const std::uint8_t* daten, std::size_t laenge);
