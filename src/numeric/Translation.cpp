#include "numeric/Translation.h"

#include "numeric/TranslationGeneration.h"

#include <atomic>
#include <cstring>
#include <utility>

namespace {

TextTranslator &textTranslator()
{
    static TextTranslator translator;
    return translator;
}

std::atomic<unsigned> &generation()
{
    static std::atomic<unsigned> counter{0};
    return counter;
}

std::size_t tabCount(const std::string &text)
{
    std::size_t count = 0;
    for (char c : text)
        count += c == '\t' ? 1 : 0;
    return count;
}

} // namespace

TextTranslator SetTextTranslator(TextTranslator translator)
{
    TextTranslator previous = std::exchange(textTranslator(), std::move(translator));
    ++generation();
    return previous;
}

bool HasTextTranslator()
{
    return static_cast<bool>(textTranslator());
}

unsigned TextTranslatorGeneration()
{
    return generation().load();
}

std::string TranslatedText(const char *context, const char *source)
{
    const TextTranslator &translator = textTranslator();
    if (!translator || source == nullptr || source[0] == '\0')
        return source == nullptr ? std::string() : std::string(source);
    std::string translated = translator(context, source);
    // A message keeps its split into headline and reason, and every
    // formatting call its arguments.
    if (translated.empty() || tabCount(translated) != tabCount(source) ||
        PrintfConversions(translated.c_str()) != PrintfConversions(source))
        return source;
    return translated;
}

std::string PrintfConversions(const char *text)
{
    static const char flags[] = "-+ #0'";
    static const char digits[] = "0123456789";
    static const char lengths[] = "hljztLq";
    std::string conversions;
    for (const char *p = text; *p != '\0'; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        std::string conversion;
        while (*p != '\0' && std::strchr(flags, *p) != nullptr)
            ++p;
        // A '*' width or precision takes an argument of its own.
        while (*p != '\0' && (std::strchr(digits, *p) != nullptr || *p == '.' || *p == '*')) {
            if (*p == '*')
                conversion += '*';
            ++p;
        }
        while (*p != '\0' && std::strchr(lengths, *p) != nullptr)
            conversion += *p++;
        if (*p == '\0') {
            // A lone '%' at the end: a conversion without a kind.
            conversions += conversion + "?";
            break;
        }
        conversions += conversion + *p;
    }
    return conversions;
}
