// Field extraction and the byte helpers must accept any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/bytes.h"
#include "catalogue/field.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the field number (including 0 and beyond the end).
    const int n = static_cast<int>(data[0] % 12);
    const std::string_view line(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto value = kestrow::field(line, n);
    if (value.size() > line.size()) __builtin_trap();
    const std::size_t half = line.size() / 2;
    const auto hit = kestrow::find(line.substr(0, half), line.substr(half));
    if (hit != kestrow::npos && hit + (line.size() - half) > half) __builtin_trap();
    (void)kestrow::decimal_value(line);
    (void)kestrow::collate_less(line.substr(0, half), line.substr(half));
    return 0;
}
