#pragma once
// gzip containers through zlib, for compressed font files (.psf.gz).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The plain bytes of a gzip file image (several members are joined, as gzip
// does). Refuses, without unpacking further, content of more than maxSize
// bytes. "" on success, else the message naming the byte offset; out is
// emptied on failure.
std::string Gunzip(const std::vector<std::uint8_t>& gz, std::size_t maxSize,
                   std::vector<std::uint8_t>& out);
// A gzip file image of the bytes that gunzip and Gunzip both read.
std::string Gzip(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& gz);
