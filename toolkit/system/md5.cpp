#include "md5.h"

#include <windows.h>
#include <wincrypt.h>

int Md5Hex(const void* data, int length, char* output)
{
    if (length < 0 || output == nullptr || (data == nullptr && length != 0))
        return 0;

    // A verify-only context needs no key container.
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextA(&provider, NULL, NULL, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
        return 0;
    HCRYPTHASH hash = 0;
    if (!CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) {
        CryptReleaseContext(provider, 0);
        return 0;
    }
    // CryptHashData reads nothing for a zero length, but wants a valid pointer.
    static const BYTE kNothing = 0;
    const BYTE* bytes = length != 0 ? static_cast<const BYTE*>(data) : &kNothing;
    BYTE digest[16] = {};
    DWORD digestSize = sizeof digest;
    const bool hashed = CryptHashData(hash, bytes, static_cast<DWORD>(length), 0) &&
                        CryptGetHashParam(hash, HP_HASHVAL, digest, &digestSize, 0) &&
                        digestSize == sizeof digest;
    CryptDestroyHash(hash);
    CryptReleaseContext(provider, 0);
    if (!hashed)
        return 0;

    static const char kDigits[] = "0123456789abcdef";
    for (int i = 0; i < 16; ++i) {
        output[2 * i] = kDigits[digest[i] >> 4];
        output[2 * i + 1] = kDigits[digest[i] & 15];
    }
    output[32] = '\0';
    return 1;
}
