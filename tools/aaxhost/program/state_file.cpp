#include "tools/aaxhost/program/state_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace aaxhost {
namespace {

constexpr char kMagic[8] = {'V', 'Q', '3', '1', '8', 'S', 'T', '\0'};
constexpr size_t kHeaderSize = sizeof(kMagic) + 8;

void PutWord(std::vector<unsigned char>& bytes, uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<unsigned char>(word >> shift));
    }
}

uint32_t WordAt(const std::vector<unsigned char>& bytes, size_t offset) {
    uint32_t word = 0;
    for (int i = 3; i >= 0; --i) word = word << 8 | bytes[offset + static_cast<size_t>(i)];
    return word;
}

}  // namespace

std::vector<unsigned char> EncodeStateFile(const SavedState& state) {
    std::vector<unsigned char> bytes(kMagic, kMagic + sizeof(kMagic));
    PutWord(bytes, state.chunkID);
    PutWord(bytes, static_cast<uint32_t>(state.data.size()));
    bytes.insert(bytes.end(), state.data.begin(), state.data.end());
    return bytes;
}

bool DecodeStateFile(const std::vector<unsigned char>& bytes, SavedState& state,
                     std::string& error) {
    if (bytes.size() < kHeaderSize) {
        error = "too short for a state file: " + std::to_string(bytes.size()) +
                " bytes, the header alone has " + std::to_string(kHeaderSize);
        return false;
    }
    if (std::memcmp(bytes.data(), kMagic, sizeof(kMagic)) != 0) {
        error = "not a state file of aaxhost (its first bytes are not \"VQ318ST\")";
        return false;
    }
    const uint32_t size = WordAt(bytes, 12);
    const size_t present = bytes.size() - kHeaderSize;
    if (size != present) {
        error = "the header announces " + std::to_string(size) + " bytes of chunk data but " +
                std::to_string(present) + " follow";
        return false;
    }
    state.chunkID = WordAt(bytes, 8);
    state.data.assign(bytes.begin() + kHeaderSize, bytes.end());
    return true;
}

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be opened";
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = path + ": cannot be read to its end";
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace aaxhost
