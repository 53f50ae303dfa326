#pragma once

#include <string>

// A small writer of JSON text: objects, arrays, strings, numbers, booleans
// and null, with the commas and the indentation put in by itself. Strings are
// escaped (quotes, backslashes, control characters) and invalid UTF-8 becomes
// U+FFFD, so the text is valid JSON whatever the input. Numbers carry 17
// significant digits, enough to give back the same double; NaN and the
// infinities, which JSON cannot carry, are written as null.
class JsonWriter {
public:
    void beginObject(const char *key = nullptr);
    void endObject();
    void beginArray(const char *key = nullptr);
    void endArray();
    void string(const char *key, const std::string &value);
    void number(const char *key, double value);
    void integer(const char *key, long long value);
    void boolean(const char *key, bool value);
    void null(const char *key);

    // The text so far, ending with a line feed once the outer value is closed.
    const std::string &text() const { return output; }

private:
    void item(const char *key);
    void appendString(const std::string &value);

    std::string output;
    int depth = 0;
    bool first = true;
};
