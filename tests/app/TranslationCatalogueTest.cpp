// The English catalogue against the sources: lupdate is run over the Qt
// layers into a copy of translations/ruvo_en.ts; every text a user can see
// must have a finished English translation that keeps the placeholders, and
// the committed catalogue must hold exactly the texts of the sources.
// Also the choice of the interface language.

#include "app/InterfaceLanguage.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <utility>

namespace {

struct Entry {
    QString source;
    QString translation;
    bool finished = false;
};

using Key = std::pair<QString, QString>; // context, source
using Catalogue = std::map<Key, Entry>;

Catalogue ReadCatalogue(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry();
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entry.finished = type.isEmpty() && !entry.translation.isEmpty();
            catalogue[{context, entry.source}] = entry;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

// The parts a translation must keep: printf and QString::arg placeholders
// (a lost or changed one breaks the formatting, %s for %d crashes), the tab
// between an error's headline and reason, and the count of mnemonics.
QStringList Markers(const QString &text)
{
    static const QRegularExpression placeholder(
        QStringLiteral("%(?:%|\\d+|[-+ #0]*\\d*(?:\\.\\d+)?[a-zA-Z])"));
    QStringList markers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        markers << match.captured();
    markers << QStringLiteral("tabs:%1").arg(text.count(QLatin1Char('\t')));
    const QString withoutDoubled = QString(text).remove(QLatin1String("&&"));
    // "&amp;" of rich text is no mnemonic.
    markers << QStringLiteral("mnemonics:%1")
                   .arg(withoutDoubled.count(QRegularExpression(QStringLiteral("&[^\\s;&]"))) -
                        withoutDoubled.count(QLatin1String("&amp;")));
    markers.sort();
    return markers;
}

std::string Describe(const Key &key)
{
    return (key.first + QStringLiteral(": \"") + key.second + QLatin1Char('"')).toStdString();
}

TEST(TranslationCatalogue, EveryTextOfTheQtLayersHasAFinishedEnglishTranslation)
{
    const QString committed = QStringLiteral(RUVO_SOURCE_DIR "/translations/ruvo_en.ts");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.filePath(QStringLiteral("ruvo_en.ts"));
    ASSERT_TRUE(QFile::copy(committed, copy));

    QStringList arguments = {QStringLiteral("-I"), QStringLiteral(RUVO_SOURCE_DIR "/src"),
                             QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                             QStringLiteral("none")};
    for (const char *layer : {"document", "view", "dialogs", "app"})
        arguments << QStringLiteral(RUVO_SOURCE_DIR "/src/") + QLatin1String(layer);
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(RUVO_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const Catalogue current = ReadCatalogue(copy);
    const Catalogue stored = ReadCatalogue(committed);
    // A sanity floor: the menus and dialogs have far more texts than this.
    EXPECT_GT(current.size(), 150u);

    for (const auto &[key, entry] : current) {
        EXPECT_TRUE(entry.finished) << "no English for " << Describe(key)
                                    << " (translate it in translations/ruvo_en.ts; "
                                       "`cmake --build build --target ruvo_app_lupdate` adds new texts)";
        if (entry.finished) {
            EXPECT_EQ(Markers(entry.translation), Markers(entry.source))
                << "the English of " << Describe(key) << " changes its placeholders: \""
                << entry.translation.toStdString() << '"';
        }
    }
    for (const auto &[key, entry] : current)
        EXPECT_TRUE(stored.count(key) == 1) << "translations/ruvo_en.ts lacks " << Describe(key);
    for (const auto &[key, entry] : stored)
        EXPECT_TRUE(current.count(key) == 1)
            << "translations/ruvo_en.ts holds a text no source has: " << Describe(key);
}

TEST(TranslationCatalogue, TheMarkersOfATextAreItsPlaceholdersTabsAndMnemonics)
{
    EXPECT_EQ(Markers(QStringLiteral("Файл %s не сохранен: %s")),
              Markers(QStringLiteral("File %s not saved: %s")));
    EXPECT_NE(Markers(QStringLiteral("Время: %10.5g")), Markers(QStringLiteral("Time: %g")));
    EXPECT_NE(Markers(QStringLiteral("от %1 до %2")), Markers(QStringLiteral("between %1 and %1")));
    EXPECT_NE(Markers(QStringLiteral("Ошибка!\tПричина")), Markers(QStringLiteral("Error! Reason")));
    EXPECT_NE(Markers(QStringLiteral("&Файл")), Markers(QStringLiteral("File")));
    EXPECT_EQ(Markers(QStringLiteral("100%% &Вид")), Markers(QStringLiteral("&View 100%%")));
}

TEST(InterfaceLanguage, EnglishOnlyWhenTheDesktopPrefersEnglishOrTheUserChoseIt)
{
    using InterfaceLanguage::Choice;
    using InterfaceLanguage::Language;
    const struct {
        Choice choice;
        QStringList desktop;
        Language expected;
    } cases[] = {
        {Choice::Desktop, {QStringLiteral("en-US")}, Language::English},
        {Choice::Desktop, {QStringLiteral("en")}, Language::English},
        {Choice::Desktop, {QStringLiteral("en_GB"), QStringLiteral("ru")}, Language::English},
        {Choice::Desktop, {QStringLiteral("ru-RU")}, Language::Russian},
        {Choice::Desktop, {QStringLiteral("ru-RU"), QStringLiteral("en-US")}, Language::Russian},
        {Choice::Desktop, {QStringLiteral("de-DE")}, Language::Russian},
        {Choice::Desktop, {QStringLiteral("C")}, Language::Russian},
        {Choice::Desktop, {QStringLiteral("eng")}, Language::Russian},
        {Choice::Desktop, {}, Language::Russian},
        {Choice::Russian, {QStringLiteral("en-US")}, Language::Russian},
        {Choice::English, {QStringLiteral("ru-RU")}, Language::English},
        {Choice::English, {}, Language::English},
    };
    for (const auto &row : cases)
        EXPECT_EQ(InterfaceLanguage::Resolve(row.choice, row.desktop), row.expected)
            << int(row.choice) << ' ' << row.desktop.join(QLatin1Char(',')).toStdString();
}

TEST(InterfaceLanguage, TheStoredChoiceReadsBackAndAStrangeValueMeansTheDesktop)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QSettings store(folder.filePath(QStringLiteral("language.ini")), QSettings::IniFormat);
    EXPECT_EQ(InterfaceLanguage::LoadChoice(store), InterfaceLanguage::Choice::Desktop);
    for (auto choice : {InterfaceLanguage::Choice::English, InterfaceLanguage::Choice::Russian,
                        InterfaceLanguage::Choice::Desktop}) {
        InterfaceLanguage::SaveChoice(store, choice);
        EXPECT_EQ(InterfaceLanguage::LoadChoice(store), choice);
    }
    for (const QVariant &strange : {QVariant(3), QVariant(-1), QVariant(QStringLiteral("English"))}) {
        store.setValue(QStringLiteral("Settings/Language"), strange);
        EXPECT_EQ(InterfaceLanguage::LoadChoice(store), InterfaceLanguage::Choice::Desktop)
            << strange.toString().toStdString();
    }
}

} // namespace
