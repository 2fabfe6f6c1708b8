#include "ForumAddress.h"

namespace {
bool IsUnreserved(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.' || byte == '~';
}
}  // namespace

CString PercentEncode(const CString& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    CString encoded;
    for (char ch : bytes.str()) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        if (IsUnreserved(byte)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

CString MakeForumAddress(const CString& gbkName) {
    return "https://bbs.orbavel.com/f?kw=" + PercentEncode(gbkName);
}
