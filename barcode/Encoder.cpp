#include "Encoder.h"

#include "AnsiText.h"
#include "Encoders.h"
#include "TypeLimits.h"
#include "ValueFitting.h"

namespace strilux {

namespace {
Symbol encodeBytes(std::string_view bytes, const EncodeOptions &options)
{
    switch (options.type) {
    case BarcodeType::JAN8:
    case BarcodeType::JAN13:
        return encodeJan(bytes, options);
    case BarcodeType::UPCA:
        return encodeUpcA(bytes, options);
    case BarcodeType::UPCE:
        return encodeUpcE(bytes, options);
    case BarcodeType::ITF6:
    case BarcodeType::ITF14:
    case BarcodeType::ITF16:
    case BarcodeType::ITF:
        return encodeItf(bytes, options);
    case BarcodeType::NW7:
        return encodeNw7(bytes, options);
    case BarcodeType::Code39:
        return encodeCode39(bytes, options);
    case BarcodeType::Code128:
        return encodeCode128(bytes, options);
    case BarcodeType::Custom:
        return encodeCustomer(bytes, options);
    }
    return {};
}
}  // namespace

Symbol encode(std::string_view value, const EncodeOptions &options)
{
    EncodeOptions byteOptions = options;
    byteOptions.startChar = utf8ToSymbolBytes(options.startChar);
    byteOptions.stopChar = utf8ToSymbolBytes(options.stopChar);
    std::string bytes = utf8ToSymbolBytes(value);
    const std::size_t limit = std::size_t(limits::maxValueLength(options.type));
    const bool tooLong = bytes.size() > limit;
    if (tooLong)
        bytes.resize(limit);
    Symbol symbol = encodeBytes(bytes, byteOptions);
    if (tooLong)
        symbol.error = kErrorInvalidCharacter;
    symbol.encoded = symbolBytesToUtf8(symbol.encoded);
    symbol.checkChar = symbolBytesToUtf8(symbol.checkChar);
    for (auto &label : symbol.labels)
        label.text = symbolBytesToUtf8(label.text);
    for (auto &cell : symbol.line.cells)
        cell = symbolBytesToUtf8(cell);
    return symbol;
}

std::string checkCharacter(std::string_view value, const EncodeOptions &options)
{
    if (!options.withCheck())
        return {};
    return encode(value, options).checkChar;
}

}  // namespace strilux
