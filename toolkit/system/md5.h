/// \file
/// MD5 digests as text, computed by the system's cryptographic provider.
#ifndef WICKER_SYSTEM_MD5_H
#define WICKER_SYSTEM_MD5_H

/// Writes the MD5 digest of `length` bytes at `data` into `output` (at least
/// 33 bytes) as 32 lower-case hexadecimal digits and a zero byte, and returns
/// 1. Returns 0 with the output untouched when the provider, the hash object
/// or the hashing itself fails, and for a negative length, null data with a
/// length, or a null output.
int Md5Hex(const void* data, int length, char* output);

#endif
