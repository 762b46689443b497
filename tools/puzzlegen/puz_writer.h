// Writing a filled grid as a ".puz" file image: header, solution, empty fill grid, the
// strings, and the four kinds of checksum readers verify.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PuzContent {
    std::string solution;  // width*height bytes, letters and '.' for blocks
    std::string title, author, copyright;
    std::vector<std::string> clues;  // in clue order: number ascending, across before down
    int side = 15;
};

// The running 16-bit checksum used by every checksum of the format.
uint16_t PuzChecksum(const uint8_t* data, size_t size, uint16_t sum);

// The complete file image, version "1.3", with an empty notes string.
std::vector<uint8_t> BuildPuzFile(const PuzContent& content);
