// Builds Ogg Vorbis files byte by byte for the reader's and the plug-in's tests: pages with
// correct lacing and checksums, and the two Vorbis header packets with chosen fields.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline void appendLittleEndian(Bytes &out, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

inline void append(Bytes &out, const Bytes &more) {
    out.insert(out.end(), more.begin(), more.end());
}

inline void append(Bytes &out, const std::string &text) {
    out.insert(out.end(), text.begin(), text.end());
}

// The Ogg page checksum: CRC-32 with polynomial 0x04C11DB7, unreflected, initial value 0, taken
// over the page with its checksum field zeroed.
inline uint32_t oggChecksum(const Bytes &page) {
    uint32_t crc = 0;
    for (unsigned char byte : page) {
        crc ^= static_cast<uint32_t>(byte) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// One page from its segment table and data, as they are given.
inline Bytes rawPage(const Bytes &segments, const Bytes &data, uint64_t granule = 0,
                     uint32_t sequence = 0, unsigned char headerType = 0) {
    Bytes page;
    append(page, std::string("OggS"));
    page.push_back(0); // stream structure version
    page.push_back(headerType);
    appendLittleEndian(page, granule, 8);
    appendLittleEndian(page, 0x1234, 4); // serial number
    appendLittleEndian(page, sequence, 4);
    appendLittleEndian(page, 0, 4); // checksum, filled in below
    page.push_back(static_cast<unsigned char>(segments.size()));
    append(page, segments);
    append(page, data);
    uint32_t crc = oggChecksum(page);
    for (int i = 0; i < 4; ++i) page[22 + i] = static_cast<unsigned char>(crc >> (8 * i));
    return page;
}

// Lacing of one packet of `length` bytes: 255 for every full segment, then the remainder (0 for
// a length that is a multiple of 255). A packet that continues on the next page ends with a 255
// instead and gets no remainder; its length must then be a multiple of 255.
inline Bytes lacing(size_t length, bool continues = false) {
    Bytes values(length / 255, 255);
    if (!continues) values.push_back(static_cast<unsigned char>(length % 255));
    return values;
}

// A page of whole packets; lastContinues leaves the last one open for the next page.
inline Bytes page(const std::vector<Bytes> &packets, uint64_t granule = 0, uint32_t sequence = 0,
                  bool lastContinues = false, unsigned char headerType = 0) {
    Bytes segments, data;
    for (size_t i = 0; i < packets.size(); ++i) {
        append(segments, lacing(packets[i].size(), lastContinues && i + 1 == packets.size()));
        append(data, packets[i]);
    }
    return rawPage(segments, data, granule, sequence, headerType);
}

// The 30-byte Vorbis identification header.
inline Bytes identificationHeader(uint32_t sampleRate, uint32_t nominalBitrate,
                                  unsigned char channels = 2) {
    Bytes packet;
    packet.push_back(1);
    append(packet, std::string("vorbis"));
    appendLittleEndian(packet, 0, 4); // version
    packet.push_back(channels);
    appendLittleEndian(packet, sampleRate, 4);
    appendLittleEndian(packet, 0, 4); // maximum bitrate
    appendLittleEndian(packet, nominalBitrate, 4);
    appendLittleEndian(packet, 0, 4); // minimum bitrate
    packet.push_back(0xB8);           // block sizes 256 and 2048
    packet.push_back(1);              // framing bit
    return packet;
}

// The Vorbis comment header with the comments in the order given.
inline Bytes commentHeader(const std::vector<std::string> &comments,
                           const std::string &vendor = "byte-built test vendor") {
    Bytes packet;
    packet.push_back(3);
    append(packet, std::string("vorbis"));
    appendLittleEndian(packet, vendor.size(), 4);
    append(packet, vendor);
    appendLittleEndian(packet, comments.size(), 4);
    for (const std::string &comment : comments) {
        appendLittleEndian(packet, comment.size(), 4);
        append(packet, comment);
    }
    packet.push_back(1); // framing bit
    return packet;
}

// A file of the usual layout: identification header alone on page 1, comment header on page 2,
// then one last page of `audioBytes` (at most 60000) of stand-in audio whose granule position is
// `granule`.
inline Bytes vorbisFile(uint32_t sampleRate, uint32_t nominalBitrate,
                        const std::vector<std::string> &comments, uint64_t granule,
                        size_t audioBytes = 200) {
    Bytes file = page({identificationHeader(sampleRate, nominalBitrate)}, 0, 0, false, 2);
    append(file, page({commentHeader(comments)}, 0, 1));
    // Packets of at most 4000 bytes (16 segments each), so the page stays within 255 segments.
    std::vector<Bytes> packets;
    for (size_t at = 0; at < audioBytes; at += 4000)
        packets.emplace_back(std::min<size_t>(4000, audioBytes - at), 0x55);
    append(file, page(packets, granule, 2, false, 4));
    return file;
}

// Pages 1 and 2 alone: the two header packets and nothing after them.
inline Bytes vorbisHeaders(uint32_t sampleRate, uint32_t nominalBitrate,
                           const std::vector<std::string> &comments = {}) {
    Bytes file = page({identificationHeader(sampleRate, nominalBitrate)}, 0, 0, false, 2);
    append(file, page({commentHeader(comments)}, 0, 1));
    return file;
}

// The bytes a page search takes for a page: "OggS", two header bytes and a granule position.
inline void placeCapturePattern(Bytes &file, size_t offset, uint64_t granule) {
    Bytes pattern;
    append(pattern, std::string("OggS"));
    pattern.push_back(0);
    pattern.push_back(0);
    appendLittleEndian(pattern, granule, 8);
    if (file.size() < offset + pattern.size()) file.resize(offset + pattern.size(), 0x55);
    std::copy(pattern.begin(), pattern.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
}

// Pads a file with bytes that hold no capture pattern up to `size` bytes.
inline Bytes paddedTo(Bytes file, size_t size) {
    file.resize(size, 0x55);
    return file;
}
