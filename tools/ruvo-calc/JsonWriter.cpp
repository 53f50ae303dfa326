#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace {

// The length of the valid UTF-8 sequence at the start of text (at most
// `available` bytes), or 0 when it is not one.
std::size_t utf8Length(const unsigned char *text, std::size_t available)
{
    const unsigned char lead = text[0];
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (length > available)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (text[i] & 0x3F);
    }
    // No overlong forms, surrogates or code points past U+10FFFF.
    if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

void JsonWriter::item(const char *key)
{
    if (depth > 0) {
        if (!first)
            output += ',';
        output += '\n';
        output.append(static_cast<std::size_t>(depth) * 2, ' ');
    }
    first = false;
    if (key != nullptr) {
        appendString(key);
        output += ": ";
    }
}

void JsonWriter::beginObject(const char *key)
{
    item(key);
    output += '{';
    ++depth;
    first = true;
}

void JsonWriter::beginArray(const char *key)
{
    item(key);
    output += '[';
    ++depth;
    first = true;
}

void JsonWriter::endObject()
{
    --depth;
    if (!first) {
        output += '\n';
        output.append(static_cast<std::size_t>(depth) * 2, ' ');
    }
    output += '}';
    first = false;
    if (depth == 0)
        output += '\n';
}

void JsonWriter::endArray()
{
    --depth;
    if (!first) {
        output += '\n';
        output.append(static_cast<std::size_t>(depth) * 2, ' ');
    }
    output += ']';
    first = false;
    if (depth == 0)
        output += '\n';
}

void JsonWriter::string(const char *key, const std::string &value)
{
    item(key);
    appendString(value);
}

void JsonWriter::number(const char *key, double value)
{
    item(key);
    if (!std::isfinite(value)) {
        output += "null";
        return;
    }
    // The C locale is in force (main sets LC_NUMERIC): a decimal point.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    output += buffer;
}

void JsonWriter::integer(const char *key, long long value)
{
    item(key);
    output += std::to_string(value);
}

void JsonWriter::boolean(const char *key, bool value)
{
    item(key);
    output += value ? "true" : "false";
}

void JsonWriter::null(const char *key)
{
    item(key);
    output += "null";
}

void JsonWriter::appendString(const std::string &value)
{
    output += '"';
    const auto *bytes = reinterpret_cast<const unsigned char *>(value.data());
    std::size_t i = 0;
    while (i < value.size()) {
        const unsigned char c = bytes[i];
        if (c == '"' || c == '\\') {
            output += '\\';
            output += static_cast<char>(c);
        } else if (c == '\n') {
            output += "\\n";
        } else if (c == '\r') {
            output += "\\r";
        } else if (c == '\t') {
            output += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            output += escaped;
        } else if (c >= 0x80) {
            const std::size_t length = utf8Length(bytes + i, value.size() - i);
            if (length == 0) {
                output += "\\ufffd";
            } else {
                output.append(value, i, length);
                i += length;
                continue;
            }
        } else {
            output += static_cast<char>(c);
        }
        ++i;
    }
    output += '"';
}
