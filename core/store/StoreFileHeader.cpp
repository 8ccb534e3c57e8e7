#include "core/store/StoreFileHeader.h"

#include <cstring>

static_assert(sizeof(kStoreHeaderText) == 54, "53 characters and the zero byte");

QByteArray StoreFileHeader()
{
    QByteArray header(kStoreHeaderSize, '\0');
    std::memcpy(header.data(), kStoreHeaderText, sizeof(kStoreHeaderText));
    header[56] = char(kStoreMagic & 0xFF);
    header[57] = char((kStoreMagic >> 8) & 0xFF);
    header[58] = char((kStoreMagic >> 16) & 0xFF);
    header[59] = char((kStoreMagic >> 24) & 0xFF);
    return header;
}
