// SHA-256 by OpenSSL's libcrypto.
#include "registry/sha256.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace vexlor {

std::string Sha256Hex(std::string_view strBytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int nLength = 0;
    if (EVP_Digest(strBytes.data(), strBytes.size(), digest, &nLength, EVP_sha256(), nullptr) != 1) {
        throw std::runtime_error("SHA-256 is not available");
    }
    constexpr char kHex[] = "0123456789abcdef";
    std::string strHex;
    strHex.reserve(2 * nLength);
    for (unsigned int i = 0; i < nLength; ++i) {
        strHex += kHex[digest[i] >> 4];
        strHex += kHex[digest[i] & 0xF];
    }
    return strHex;
}

}  // namespace vexlor
