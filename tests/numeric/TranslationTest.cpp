// The core's translation hook: Russian byte for byte without a translator,
// the translator's texts with one, and a faulty translation never reaching a
// formatting call or the headline/reason split.

#include "numeric/Translation.h"

#include "numeric/CalcLog.h"
#include "numeric/Messages.h"
#include "support/RecordingReporter.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>

namespace {

// Installs a translator for the lifetime of the object and puts the previous
// one back afterwards.
class ScopedTranslator {
public:
    explicit ScopedTranslator(TextTranslator translator) : previous(SetTextTranslator(std::move(translator)))
    {
    }
    ~ScopedTranslator() { SetTextTranslator(std::move(previous)); }
    ScopedTranslator(const ScopedTranslator &) = delete;
    ScopedTranslator &operator=(const ScopedTranslator &) = delete;

private:
    TextTranslator previous;
};

// A translator that knows the given (context, source) pairs only.
TextTranslator Catalogue(std::map<std::pair<std::string, std::string>, std::string> entries)
{
    return [entries = std::move(entries)](const char *context, const char *source) {
        const auto found = entries.find({context, source});
        return found == entries.end() ? std::string() : found->second;
    };
}

} // namespace

TEST(Translation, WithoutATranslatorEveryTextIsTheRussianSource)
{
    ASSERT_FALSE(HasTextTranslator());
    for (int id : {50105, 50107, 50202, 50215, 51004, 57345}) {
        EXPECT_EQ(LoadString(id), LoadSourceString(id)) << id; // the very same text
        EXPECT_EQ(TranslatedText(StringTableContext, LoadSourceString(id)), LoadSourceString(id));
    }
    EXPECT_STREQ(LoadString(50202),
                 "Отсутствуют опорные узлы/стержни!\tДобавьте хотя бы один опорный узел или стержень.");
}

TEST(Translation, TheTranslatorSuppliesTheStringTableAndTheReportedMessages)
{
    const std::string noSupport = LoadSourceString(50202);
    const std::string readyRu = LoadSourceString(57345);
    {
        ScopedTranslator english(Catalogue({
            {{"StringTable", noSupport}, "No supports!\tAdd one."},
            {{"StringTable", readyRu}, "Ready"},
            {{"StringTable", LoadSourceString(50218)}, "Cannot open!\tThe file %s cannot be opened"},
        }));
        EXPECT_STREQ(LoadString(57345), "Ready");
        EXPECT_STREQ(LoadString(50202), "No supports!\tAdd one.");
        // A text the catalogue lacks stays Russian; an unknown id stays empty.
        EXPECT_STREQ(LoadString(50213), LoadSourceString(50213));
        EXPECT_STREQ(LoadString(99999), "");
        EXPECT_STREQ(LoadSourceString(57345), readyRu.c_str());

        RecordingReporter reporter;
        ReportMessage(50202);
        ReportMessage(50218, "a.str");
        ASSERT_EQ(reporter.messages.size(), 2u);
        EXPECT_EQ(reporter.messages[0], (ReportedMessage{"No supports!", "Add one."}));
        EXPECT_EQ(reporter.messages[1], (ReportedMessage{"Cannot open!", "The file a.str cannot be opened"}));
    }
    // Back to the sources once the translator is gone, not the cached English.
    EXPECT_FALSE(HasTextTranslator());
    EXPECT_EQ(LoadString(57345), readyRu);
    EXPECT_EQ(LoadString(50202), noSupport);
}

TEST(Translation, AFaultyTranslationIsIgnored)
{
    const char *const format = "Стержень %d:    \tM(%d) = % 10.6g\t\tM(%d) = % 10.6g\r\n";
    const struct {
        const char *name;
        const char *translation;
        bool used;
    } cases[] = {
        {"same conversions", "Rod %d:    \tM(%d) = % 10.6g\t\tM(%d) = % 10.6g\r\n", true},
        {"other widths are fine", "Rod %3d:\tM(%d) = %g\t\tM(%d) = %.3g\r\n", true},
        {"a conversion missing", "Rod %d:\tM(%d) = % 10.6g\t\tM = % 10.6g\r\n", false},
        {"a string for a number", "Rod %s:\tM(%d) = % 10.6g\t\tM(%d) = % 10.6g\r\n", false},
        {"conversions swapped", "Rod %d:\tM = % 10.6g (%d)\t\tM(%d) = % 10.6g\r\n", false},
        {"a tab lost", "Rod %d:    M(%d) = % 10.6g\t\tM(%d) = % 10.6g\r\n", false},
        {"empty: no translation", "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTranslator translator(Catalogue({{{"StringTable", format}, c.translation}}));
        EXPECT_EQ(TranslatedText("StringTable", format), c.used ? c.translation : format);
        // Another context is another text.
        EXPECT_EQ(TranslatedText("Other", format), format);
    }
}

TEST(Translation, PrintfConversionsAreListedInOrder)
{
    const struct {
        const char *text;
        const char *conversions;
    } cases[] = {
        {"no conversion, 100%% sure", ""},
        {"%d %s % 10.6g %%", "dsg"},
        {"Время расчета: %10.5g секунд", "g"},
        {"%-+#08.3f %ld %zu %lld", "fldzulld"},
        {"%*d and %.*s", "*d*s"},
        {"a lone %", "?"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrintfConversions(c.text), c.conversions) << c.text;
}
