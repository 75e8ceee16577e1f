#include "gzipcodec.h"

#include <algorithm>

#include "zliblibrary.h"

namespace {
// zlib counts in unsigned int; larger inputs are fed in pieces.
constexpr std::size_t kPiece = 1u << 20;

// Hands zlib the next piece of bytes once it has used up the one before.
void FeedNextPiece(z_stream& stream, const std::vector<std::uint8_t>& bytes, std::size_t& inPos) {
    if (stream.avail_in != 0 || inPos >= bytes.size()) return;
    const std::size_t n = std::min(kPiece, bytes.size() - inPos);
    stream.next_in = const_cast<Bytef*>(bytes.data() + inPos);
    stream.avail_in = static_cast<uInt>(n);
    inPos += n;
}
} // namespace

std::string Gunzip(const std::vector<std::uint8_t>& gz, std::size_t maxSize,
                   std::vector<std::uint8_t>& out) {
    out.clear();
    if (gz.size() < 2 || gz[0] != 0x1F || gz[1] != 0x8B) return "not a gzip file";
    std::string error;
    const TZlibLibrary* zlib = LoadZlib(error);
    if (!zlib) return error;
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer, checked.
    if (zlib->inflateInit2_(&stream, 16 + MAX_WBITS, ZLIB_VERSION, sizeof(z_stream)) != Z_OK)
        return "out of memory";
    std::size_t inPos = 0;
    std::uint8_t buffer[16384];
    for (;;) {
        FeedNextPiece(stream, gz, inPos);
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        const int status = zlib->inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = sizeof buffer - stream.avail_out;
        if (out.size() + produced > maxSize) {
            error = "unpacked content is larger than " + std::to_string(maxSize) + " bytes";
            break;
        }
        out.insert(out.end(), buffer, buffer + produced);
        const std::size_t consumed = inPos - stream.avail_in;
        if (status == Z_STREAM_END) {
            // Another member may follow; anything else after the end is junk.
            if (consumed == gz.size()) break;
            if (gz.size() - consumed >= 2 && gz[consumed] == 0x1F && gz[consumed + 1] == 0x8B) {
                zlib->inflateReset(&stream);
                continue;
            }
            error =
                "unexpected bytes after the compressed data at byte " + std::to_string(consumed);
            break;
        }
        if (status == Z_OK) continue;
        if (status == Z_BUF_ERROR && stream.avail_in == 0 && inPos < gz.size()) continue;
        if (status == Z_BUF_ERROR) {
            error = "compressed data cut short at byte " + std::to_string(consumed);
            break;
        }
        error = "damaged compressed data at byte " + std::to_string(consumed) +
                (stream.msg ? std::string(": ") + stream.msg : std::string());
        break;
    }
    zlib->inflateEnd(&stream);
    if (!error.empty()) out.clear();
    return error;
}

std::string Gzip(const std::vector<std::uint8_t>& bytes, std::vector<std::uint8_t>& gz) {
    gz.clear();
    std::string error;
    const TZlibLibrary* zlib = LoadZlib(error);
    if (!zlib) return error;
    z_stream stream{};
    if (zlib->deflateInit2_(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                            Z_DEFAULT_STRATEGY, ZLIB_VERSION, sizeof(z_stream)) != Z_OK)
        return "out of memory";
    std::size_t inPos = 0;
    std::uint8_t buffer[16384];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        FeedNextPiece(stream, bytes, inPos);
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        status = zlib->deflate(&stream, inPos == bytes.size() ? Z_FINISH : Z_NO_FLUSH);
        if (status == Z_STREAM_ERROR) break;
        gz.insert(gz.end(), buffer, buffer + (sizeof buffer - stream.avail_out));
    }
    zlib->deflateEnd(&stream);
    if (status == Z_STREAM_END) return "";
    gz.clear();
    return "cannot compress the data";
}
