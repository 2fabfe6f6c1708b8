// A text-keyed dictionary that ignores the case of ASCII letters. It maps keys to
// object pointers it does not own; it owns only its copies of the keys.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CStringDict {
public:
    CStringDict() = default;
    CStringDict(const CStringDict&) = delete;
    CStringDict& operator=(const CStringDict&) = delete;

    // The value of the first entry whose key compares equal to pszKey; null if there is
    // none or pszKey is null.
    void* Find(const char* pszKey) const;

    // Adds (pszKey, pValue) unless the key is already present, in which case the first
    // value stays and 0 is returned. Otherwise returns the key's bucket key; note that the
    // empty key has bucket key 0, so its successful insertion also returns 0.
    std::uint32_t Insert(const char* pszKey, void* pValue);

    // Removes every entry.
    void Clear() { m_buckets.clear(); }

    // Bucket key of a zero-terminated key: built from its length and the 32-bit sum and
    // exclusive-or of its bytes, each taken as a signed 8-bit value and folded to lower
    // case when it is an ASCII capital.
    static std::uint32_t BucketKey(const char* pszKey);

    // Case-insensitive comparison of multi-byte text in code page 936 (GBK); returns
    // -1, 0 or 1. A byte 0x81-0xFE starts a two-byte character whose second byte is
    // taken as it is; only single-byte ASCII letters are compared without regard to case.
    static int CompareNoCase(const char* pszA, const char* pszB);

private:
    struct Entry {
        std::string strKey;
        void* pValue;
    };
    // Pairs of one bucket, in insertion order.
    std::map<std::uint32_t, std::vector<Entry>> m_buckets;
};
