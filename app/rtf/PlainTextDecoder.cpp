#include "app/rtf/PlainTextDecoder.h"

#include <string_view>

namespace quendry {

PlainTextDecoder::Decoded PlainTextDecoder::decode(QByteArrayView bytes)
{
    DecodedPlainText decoded
        = decodePlainText(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
    return {QString::fromStdU16String(decoded.text), decoded.encoding};
}

bool PlainTextDecoder::looksBinary(const QString& text)
{
    return quendry::looksBinary(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
}

} // namespace quendry
